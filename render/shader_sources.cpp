// render/shader_sources.cpp — the GLSL of the seven programs. Models are lit by GL light 0
// as a directional light with the GL material and exponential fog per fragment; up to 10
// bones skin a vertex from texture coordinate sets 2 (weights) and 3 (bone indices).
#include "render/shaders.h"

namespace {

#define SKINNING                                                                                   \
    "#define MAX_BONE 10\n"                                                                        \
    "uniform int nbones;\n"                                                                        \
    "uniform vec3 bone_c[MAX_BONE];\n"                                                             \
    "uniform vec3 bone_t[MAX_BONE];\n"                                                             \
    "uniform mat3 bone_r[MAX_BONE];\n"                                                             \
    "void skin_one(float w, float b, inout vec3 p, inout vec3 n, inout vec3 t) {\n"                \
    "    int i = int(b);\n"                                                                        \
    "    p += w * (bone_r[i] * (gl_Vertex.xyz - bone_c[i]) + bone_t[i]);\n"                        \
    "    n += w * (bone_r[i] * gl_Normal);\n"                                                      \
    "    t += w * (bone_r[i] * gl_MultiTexCoord1.xyz);\n"                                          \
    "}\n"                                                                                          \
    "void skin(out vec4 pos, out vec3 nrm, out vec3 tan) {\n"                                      \
    "    if (nbones == 0) {\n"                                                                     \
    "        pos = gl_Vertex; nrm = gl_Normal; tan = gl_MultiTexCoord1.xyz; return;\n"             \
    "    }\n"                                                                                      \
    "    vec3 p = vec3(0.0), n = vec3(0.0), t = vec3(0.0);\n"                                      \
    "    vec4 w = gl_MultiTexCoord2, b = gl_MultiTexCoord3;\n"                                     \
    "    skin_one(w.x, b.x, p, n, t); skin_one(w.y, b.y, p, n, t);\n"                              \
    "    skin_one(w.z, b.z, p, n, t); skin_one(w.w, b.w, p, n, t);\n"                              \
    "    pos = vec4(p, 1.0); nrm = n; tan = t;\n"                                                  \
    "}\n"

#define LIT_VERTEX                                                                                 \
    SKINNING                                                                                       \
    "varying vec3 light_dir, normal, viewer, tangent;\n"                                           \
    "varying vec4 diffuse, ambient;\n"                                                             \
    "void main() {\n"                                                                              \
    "    vec4 pos; vec3 nrm, tan;\n"                                                               \
    "    skin(pos, nrm, tan);\n"                                                                   \
    "    gl_Position = gl_ModelViewProjectionMatrix * pos;\n"                                      \
    "    viewer = (gl_ModelViewMatrix * pos).xyz;\n"                                               \
    "    normal = gl_NormalMatrix * nrm;\n"                                                        \
    "    tangent = gl_NormalMatrix * tan;\n"                                                       \
    "    light_dir = normalize(gl_LightSource[0].position.xyz);\n"                                 \
    "    diffuse = gl_FrontMaterial.diffuse * gl_LightSource[0].diffuse;\n"                        \
    "    ambient = gl_FrontMaterial.ambient * gl_LightSource[0].ambient +\n"                       \
    "              gl_LightModel.ambient * gl_FrontMaterial.ambient;\n"                            \
    "    ambient.a = min(ambient.a, 1.0);\n"                                                       \
    "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"                                                    \
    "    gl_FrontColor = gl_Color;\n"                                                              \
    "}\n"

#define FOG                                                                                        \
    "vec3 fogged(vec3 c) {\n"                                                                      \
    "    float z = gl_FragCoord.z / gl_FragCoord.w;\n"                                             \
    "    float f = clamp(exp2(-1.4426950408889634 * gl_Fog.density * z), 0.0, 1.0);\n"             \
    "    return mix(gl_Fog.color.rgb, c, f);\n"                                                    \
    "}\n"

// The normal map turned into eye space with the frame of the surface.
#define MAPPED_NORMAL                                                                              \
    "uniform sampler2D nmap;\n"                                                                    \
    "vec3 surface_normal() {\n"                                                                    \
    "    vec3 n = normalize(normal);\n"                                                            \
    "    vec3 t = normalize(tangent - n * dot(n, tangent));\n"                                     \
    "    vec3 m = texture2D(nmap, gl_TexCoord[0].st).rgb * 2.0 - 1.0;\n"                           \
    "    return normalize(mat3(t, cross(n, t), n) * m);\n"                                         \
    "}\n"

#define PLAIN_NORMAL "vec3 surface_normal() { return normalize(normal); }\n"

#define LIT_FRAGMENT_HEAD                                                                          \
    "uniform sampler2D tex;\n"                                                                     \
    "varying vec3 light_dir, normal, viewer, tangent;\n"                                           \
    "varying vec4 diffuse, ambient;\n" FOG

#define LIT_FRAGMENT_BODY(specular)                                                                \
    "void main() {\n"                                                                              \
    "    vec3 n = surface_normal();\n"                                                             \
    "    float ndl = dot(n, light_dir);\n"                                                         \
    "    float rdl = max(dot(reflect(normalize(viewer), n), light_dir), 0.0);\n"                   \
    "    if (ndl < 0.0) { ndl = 0.0; rdl = 0.0; }\n"                                               \
    "    vec4 c = (ambient + diffuse * ndl) * texture2D(tex, gl_TexCoord[0].st);\n" specular       \
    "    gl_FragColor = vec4(fogged(c.rgb), c.a);\n"                                               \
    "}\n"

#define MATERIAL_SPECULAR                                                                          \
    "    c.rgb += (gl_FrontMaterial.specular * gl_LightSource[0].specular).rgb *\n"                \
    "             pow(rdl, gl_FrontMaterial.shininess);\n"

#define MAPPED_SPECULAR                                                                            \
    "    vec4 s = texture2D(smap, gl_TexCoord[0].st);\n"                                           \
    "    float e = s.a * 128.0 + 0.125;\n"                                                         \
    "    if (e >= 127.875) e = gl_FrontMaterial.shininess;\n"                                      \
    "    c.rgb += s.rgb * gl_LightSource[0].specular.rgb * pow(rdl, e);\n"

#define ENV_HEAD                                                                                   \
    "uniform sampler2D tex;\n"                                                                     \
    "uniform mat3 envmat;\n"                                                                       \
    "varying vec3 light_dir, normal, viewer, tangent;\n"                                           \
    "varying vec4 diffuse, ambient;\n"

#define ENV_BODY                                                                                   \
    "void main() {\n"                                                                              \
    "    vec3 v = normalize(envmat * reflect(viewer, surface_normal()));\n"                        \
    "    vec2 st = normalize(v.xz) * acos(v.y) * 0.15915494309189535 + 0.5;\n"                     \
    "    gl_FragColor = texture2D(tex, st) * gl_Color;\n"                                          \
    "}\n"

const char terrain_normals_vertex[] = "varying vec2 tc;\n"
                                      "void main() {\n"
                                      "    gl_Position = ftransform();\n"
                                      "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
                                      "    vec4 t = gl_TextureMatrix[1] * gl_Vertex;\n"
                                      "    tc = t.xy / t.w;\n"
                                      "}\n";

const char terrain_normals_fragment[] =
    "uniform sampler2D tex;\n"
    "uniform sampler2D base;\n"
    "varying vec2 tc;\n"
    "void main() {\n"
    "    vec2 a = normalize(vec2(dFdx(gl_TexCoord[0].s), -dFdy(gl_TexCoord[0].s)));\n"
    "    mat2 turn = mat2(a, vec2(-a.y, a.x));\n"
    "    vec4 tile = texture2D(tex, gl_TexCoord[0].st);\n"
    "    vec3 n = tile.rbg * 2.0 - 1.0;\n"
    "    n.x = -n.x;\n"
    "    n.xz = turn * n.xz;\n"
    "    vec4 b = texture2D(base, tc);\n"
    "    vec3 b1 = b.rgb * 2.0 - 1.0;\n"
    "    b1.y = sqrt(max(1.0 - b1.z * b1.z - b1.x * b1.x, 0.0));\n"
    "    vec3 r0 = vec3(1.0, 0.0, 0.0);\n"
    "    vec3 r2 = normalize(cross(r0, b1));\n"
    "    r0 = normalize(cross(b1, r2));\n"
    "    n = normalize(mat3(r0, b1, r2) * n);\n"
    "    if (n.x * n.x + n.z * n.z > (126.0 / 128.0) * (126.0 / 128.0)) {\n"
    "        n.y = 0.0;\n"
    "        n = normalize(n) * (126.0 / 128.0);\n"
    "    }\n"
    "    vec3 o = (n + 1.0) * 0.5;\n"
    "    gl_FragColor = vec4(o.r, b.g, o.b, tile.a);\n"
    "}\n";

const char terrain_vertex[] =
    "varying vec3 light_dir, viewer;\n"
    "varying vec4 diffuse, ambient;\n"
    "void main() {\n"
    "    gl_Position = ftransform();\n"
    "    viewer = (gl_ModelViewMatrix * gl_Vertex).xyz;\n"
    "    light_dir = normalize(gl_LightSource[0].position.xyz);\n"
    "    diffuse = gl_FrontMaterial.diffuse * gl_LightSource[0].diffuse;\n"
    "    ambient = gl_FrontMaterial.ambient * gl_LightSource[0].ambient;\n"
    "    ambient.a = min(ambient.a, 1.0);\n"
    "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
    "}\n";

const char terrain_fragment[] =
    "uniform sampler2D tex;\n"
    "uniform sampler2D nmap;\n"
    "uniform sampler2D smap;\n"
    "varying vec3 light_dir, viewer;\n"
    "varying vec4 diffuse, ambient;\n" FOG "void main() {\n"
    "    vec4 m = texture2D(nmap, gl_TexCoord[0].st);\n"
    "    float k = m.g;\n"
    "    float x = m.r * 2.0 - 1.0, z = m.b * 2.0 - 1.0;\n"
    "    vec3 n = normalize(gl_NormalMatrix * vec3(x, sqrt(max(1.0 - z * z - x * x, 0.0)), z));\n"
    "    float ndl = dot(n, light_dir);\n"
    "    float rdl = max(dot(reflect(normalize(viewer), n), light_dir), 0.0);\n"
    "    if (ndl < 0.0) { ndl = 0.0; rdl = 0.0; }\n"
    "    vec4 c = (ambient + diffuse * ndl * k) * texture2D(tex, gl_TexCoord[0].st);\n"
    "    vec4 s = texture2D(smap, gl_TexCoord[0].st);\n"
    "    c.rgb += s.r * gl_LightSource[0].specular.rgb * pow(rdl, s.g * 128.0 + 0.125) * k;\n"
    "    gl_FragColor = vec4(fogged(c.rgb), c.a);\n"
    "}\n";

} // namespace

const shader_source shader_sources[shader_slot_count - 1] = {
    {"lit", LIT_VERTEX, LIT_FRAGMENT_HEAD PLAIN_NORMAL LIT_FRAGMENT_BODY(MATERIAL_SPECULAR)},
    {"env", LIT_VERTEX, ENV_HEAD PLAIN_NORMAL ENV_BODY},
    {"norm_lit", LIT_VERTEX, LIT_FRAGMENT_HEAD MAPPED_NORMAL LIT_FRAGMENT_BODY(MATERIAL_SPECULAR)},
    {"norm_env", LIT_VERTEX, ENV_HEAD MAPPED_NORMAL ENV_BODY},
    {"norm_spec_lit", LIT_VERTEX,
     LIT_FRAGMENT_HEAD
     "uniform sampler2D smap;\n" MAPPED_NORMAL LIT_FRAGMENT_BODY(MAPPED_SPECULAR)},
    {"terrain_normals", terrain_normals_vertex, terrain_normals_fragment},
    {"terrain", terrain_vertex, terrain_fragment},
};
