#include "platform/posix/detached_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace tavi::platform::posix {

namespace {

class SpawnAttributes {
 public:
  SpawnAttributes() { valid_ = posix_spawnattr_init(&attributes_) == 0; }
  ~SpawnAttributes() {
    if (valid_) posix_spawnattr_destroy(&attributes_);
  }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;

  bool valid() const { return valid_; }
  posix_spawnattr_t* get() { return &attributes_; }

 private:
  posix_spawnattr_t attributes_{};
  bool valid_ = false;
};

}  // namespace

void startDetached(const std::vector<std::string>& command) {
  if (command.empty()) return;
  // A short-lived shell puts the program into the background and ends at once; the program
  // then belongs to init, which reaps it. The command passes as arguments, never as shell text.
  std::vector<std::string> arguments = {"sh", "-c", R"("$@" </dev/null >/dev/null 2>&1 &)", "sh"};
  arguments.insert(arguments.end(), command.begin(), command.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);

  SpawnAttributes attributes;
  if (!attributes.valid()) return;
  // Its own session, so that closing our terminal or process group does not take it along.
  posix_spawnattr_setflags(attributes.get(), POSIX_SPAWN_SETSID);
  pid_t shell = 0;
  if (posix_spawn(&shell, "/bin/sh", nullptr, attributes.get(), argv.data(), environ) != 0) return;
  int status = 0;
  while (waitpid(shell, &status, 0) == -1 && errno == EINTR) {
  }
}

}  // namespace tavi::platform::posix
