// tests/support/child_process.cpp — child processes and small file helpers for tests.
#include "support/child_process.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

int run_in_child(const std::function<int()>& body) {
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int run_program(const std::string& path, const std::vector<std::string>& args,
                const std::vector<std::string>& env, std::string* error_text) {
    char error_path[] = "/tmp/tarvik-stderr-XXXXXX";
    int error_fd = mkstemp(error_path);
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(error_fd, 2);
        int null_fd = open("/dev/null", O_RDWR);
        dup2(null_fd, 0);
        dup2(null_fd, 1);
        for (const std::string& e : env) putenv(strdup(e.c_str()));
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(error_fd);
    if (error_text) *error_text = read_file(error_path);
    unlink(error_path);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string make_temp_folder() {
    char path[] = "/tmp/tarvik-test-XXXXXX";
    return mkdtemp(path);
}
