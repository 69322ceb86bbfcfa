#include "tests/native/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

ChildOutcome RunInChild(const std::function<void()>& body) {
  std::fflush(nullptr);
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return {-1000, "pipe failed"};
  pid_t pid = fork();
  if (pid == 0) {
    close(pipe_ends[0]);
    dup2(pipe_ends[1], STDERR_FILENO);
    body();
    std::fflush(nullptr);
    _exit(100);  // the body was expected to end the process itself
  }
  close(pipe_ends[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  close(pipe_ends[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status), text};
}
