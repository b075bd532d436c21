// The driver's capabilities and the shader programs on a real GL context (Mesa under Xvfb):
// extension words, the seven programs building, slot switching, and a failed build leaving
// no program behind.
#include "platform/window.h"
#include "render/gl_caps.h"
#include "render/render.h"
#include "render/shaders.h"

#include <gtest/gtest.h>

namespace {

TEST(gl_extensions, count_only_as_whole_words) {
    const char* list = "GL_ARB_multitexture_extra GL_EXT_framebuffer_object GL_X";
    EXPECT_FALSE(gl_has_extension(list, "GL_ARB_multitexture"));
    EXPECT_TRUE(gl_has_extension(list, "GL_EXT_framebuffer_object"));
    EXPECT_TRUE(gl_has_extension(list, "GL_X"));
    EXPECT_FALSE(gl_has_extension(list, "X"));
    EXPECT_FALSE(gl_has_extension("", "GL_X"));
    EXPECT_TRUE(gl_has_extension("GL_A GL_A_B", "GL_A_B"));
}

class gl_context : public testing::Test {
  protected:
    game_window* w = nullptr;
    void SetUp() override {
        w = window_open_gl("Tarvik", 160, 120, 24, 0, 16, 0, 0);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(gl_load_capabilities());
    }
    void TearDown() override {
        shaders_delete();
        if (w) window_close_gl(w);
    }
};

TEST_F(gl_context, capabilities_come_from_the_driver) {
    EXPECT_NE(gl_caps.vendor, "NULL");
    EXPECT_NE(gl_caps.renderer, "NULL");
    EXPECT_GE(gl_caps.major, 2);
    EXPECT_TRUE(gl_caps.has_multitexture);
    EXPECT_GE(gl_caps.texture_units, 4);
    EXPECT_TRUE(gl_caps.has_vertex_shader && gl_caps.has_fragment_shader);
    EXPECT_TRUE(gl_shaders_usable());
}

TEST_F(gl_context, the_seven_programs_build_and_switch_by_slot) {
    ASSERT_EQ(shaders_build(), 1);
    for (int s = 1; s < shader_slot_count; ++s) EXPECT_NE(shader_program(s), 0u) << s;
    EXPECT_EQ(shader_program(0), 0u);
    int before = shader_switch_count();
    shader_use(shader_lit);
    shader_use(shader_lit); // already current: no call, not counted
    shader_use(99);
    EXPECT_EQ(shader_switch_count(), before + 1);
    EXPECT_EQ(shader_current(), shader_lit);
    const float centres[6] = {0, 0, 0, 1, 0, 0}, moves[6] = {},
                turns[18] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    shader_set_bones(2, centres, moves, turns);
    const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    shader_set_envmat(identity);
    EXPECT_EQ(shader_current(), shader_fixed);
    EXPECT_EQ(gl.GetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(gl_context, a_failing_program_leaves_none) {
    shader_source broken[shader_slot_count - 1];
    for (int i = 0; i < shader_slot_count - 1; ++i) broken[i] = shader_sources[i];
    broken[5].fragment = "void main() { this does not compile }\n";
    EXPECT_EQ(shaders_build_from(broken), 0);
    for (int s = 1; s < shader_slot_count; ++s) EXPECT_EQ(shader_program(s), 0u) << s;
}

} // namespace
