#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/ansi_codec.h"
#include "platform/io_error.h"
#include "platform/platform.h"
#include "platform/posix/desktop_folder.h"
#include "platform/posix/detached_process.h"
#include "platform/posix/folder_listings.h"
#include "platform/posix/locale_code_page.h"
#include "platform/posix/short_date.h"
#include "platform/posix/unflushed_copies.h"
#include "platform/temporary_files.h"
#include "platform/windows_path.h"

namespace tavi::platform {

namespace fs = std::filesystem;

namespace {

constexpr unsigned kFallbackCodePage = 1252;
constexpr std::size_t kChunk = 64 * 1024;

fs::path defaultDriveC() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
    return fs::path(prefix) / "drive_c";
  }
  return posix::homeFolder() / ".wine" / "drive_c";
}

// An absolute, normalised path without a trailing separator.
fs::path tidy(const fs::path& path) {
  std::error_code error;
  fs::path result = fs::absolute(path, error).lexically_normal();
  if (!result.has_filename() && result.has_relative_path()) result = result.parent_path();
  return result;
}

std::optional<fs::path> insideOf(const fs::path& path, const fs::path& root) {
  auto at = path.begin();
  for (const fs::path& part : root) {
    if (at == path.end() || *at != part) return std::nullopt;
    ++at;
  }
  fs::path rest;
  for (; at != path.end(); ++at)
    rest /= *at;
  return rest;
}

std::string joinedWithBackslashes(const fs::path& relative) {
  std::string result;
  for (const fs::path& part : relative) {
    if (part.empty() || part == "/") continue;
    if (!result.empty()) result += '\\';
    result += part.native();
  }
  return result;
}

std::optional<struct stat> statusOf(const fs::path& native) {
  struct stat status {};
  if (native.empty() || stat(native.c_str(), &status) != 0) return std::nullopt;
  return status;
}

bool isFolder(const std::optional<struct stat>& status) {
  return status && S_ISDIR(status->st_mode);
}

// Windows' read-only attribute, as Wine keeps it: no write permission for anyone. It holds
// even for root, whom the permission bits would not stop.
bool isReadOnly(const std::optional<struct stat>& status) {
  return status && !S_ISDIR(status->st_mode) &&
         (status->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

IoFailure failureText(int error, const fs::path& native) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return isFolder(statusOf(native.parent_path())) ? IoCause::kFileMissing
                                                      : IoCause::kFolderMissing;
    case EISDIR:
      return IoCause::kIsFolder;
    case EACCES:
    case EPERM:
      return IoCause::kAccessDenied;
    case EROFS:
      return IoCause::kWriteProtected;
    case ETXTBSY:
    case EBUSY:
      return IoCause::kFileInUse;
    case ENOSPC:
    case EDQUOT:
      return IoCause::kDiskFull;
    case ENAMETOOLONG:
      return IoCause::kPathTooLong;
    // A socket, a device without its driver, a drive without its disk.
    case ENXIO:
    case ENODEV:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
      return IoCause::kDeviceNotReady;
    default:
      return IoFailure::inSystemWords(std::error_code(error, std::generic_category()).message());
  }
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return descriptor_; }
  bool valid() const { return descriptor_ >= 0; }
  // Closes now; a failure here can still mean lost data. Returns the error, or 0.
  int close() {
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int descriptor_;
};

// Reads to the end; returns the error, or 0.
int readAll(int descriptor, std::string& content) {
  std::array<char, kChunk> buffer{};
  for (;;) {
    const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) return 0;
    content.append(buffer.data(), static_cast<std::size_t>(count));
  }
}

// Writes every byte; a write that makes no progress counts as a full disk. Returns the error,
// or 0.
int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return 0;
}

// Where copying a file's content failed: the file read or the file written.
struct CopyFailure {
  bool reading;
  int error;
};

// Copies the rest of one file into another with the read/write loop.
std::optional<CopyFailure> copyThroughBuffer(int from, int to) {
  std::array<char, kChunk> buffer{};
  for (;;) {
    const ssize_t count = ::read(from, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return CopyFailure{true, errno};
    if (count == 0) return std::nullopt;
    const std::string_view chunk(buffer.data(), static_cast<std::size_t>(count));
    if (const int error = writeAll(to, chunk); error != 0) return CopyFailure{false, error};
  }
}

// Copies a whole file inside the kernel, without passing every byte through the program.
std::optional<CopyFailure> copyContent(int from, int to) {
  constexpr std::size_t kMostAtOnce = std::size_t{1} << 30;
  for (;;) {
    const ssize_t count = ::copy_file_range(from, nullptr, to, nullptr, kMostAtOnce, 0);
    if (count > 0) continue;
    // The end, or a file that tells no size (/proc's, on some kernels): one read makes sure.
    if (count == 0) return copyThroughBuffer(from, to);
    if (errno == EINTR) continue;
    if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) return CopyFailure{false, errno};
    // Another kind of file system, an older kernel, or a failure that does not tell which side
    // failed: the buffer's loop copies the rest or finds out.
    return copyThroughBuffer(from, to);
  }
}

// A file being written beside its target under a name of its own; it replaces the target only
// when every byte is written, and is removed again if anything fails before.
class PendingFile {
 public:
  explicit PendingFile(const fs::path& target) : target_(target) {
    for (int attempt = 0; attempt < 16 && descriptor_ < 0; ++attempt) {
      path_ = target_;
      path_ += temporarySuffix();
      do {
        descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      } while (descriptor_ < 0 && errno == EINTR);
      error_ = descriptor_ < 0 ? errno : 0;
      if (error_ != EEXIST) break;
    }
  }
  ~PendingFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_ && error_ == 0) ::unlink(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The error that kept the file from being created, or 0.
  int openError() const { return error_; }
  int get() const { return descriptor_; }

  // Closes the file and swaps it in for the target, flushed to the disk first (with its new
  // name) or left to the system's write-back and noted in `unflushed`. Returns the error, or 0.
  int commit(UnflushedCopies* unflushed = nullptr) {
    if (unflushed == nullptr && ::fsync(descriptor_) != 0) return errno;
    if (unflushed != nullptr) {
      unflushed->add(descriptor_, target_.parent_path());
      // The disk starts on it now, while the next file is copied; the flush then waits less.
      ::sync_file_range(descriptor_, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) return errno;
    if (::rename(path_.c_str(), target_.c_str()) != 0) return errno;
    committed_ = true;
    if (unflushed != nullptr) return 0;
    // The new name itself must reach the disk too.
    const int folder = ::open(target_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
      ::fsync(folder);
      ::close(folder);
    }
    return 0;
  }

 private:
  fs::path target_;
  fs::path path_;
  int descriptor_ = -1;
  int error_ = 0;
  bool committed_ = false;
};

}  // namespace

Platform::Platform(PlatformOptions options) : options_(std::move(options)) {
  if (options_.driveC.empty()) options_.driveC = defaultDriveC();
  options_.driveC = tidy(options_.driveC);
  const unsigned wanted =
      options_.codePage != 0 ? options_.codePage : posix::codePageFromEnvironment();
  codec_ = AnsiCodec::open(wanted);
  if (!codec_) codec_ = AnsiCodec::open(kFallbackCodePage);
  codePage_ = codec_ ? codec_->codePage() : kFallbackCodePage;
  listings_ = std::make_shared<FolderListings>();
  unflushed_ = std::make_shared<UnflushedCopies>();
}

fs::path Platform::nativePath(std::string_view path) const {
  if (path.find('\0') != std::string_view::npos) return {};
  const WindowsPath parsed = parseWindowsPath(path);
  if (!parsed.valid) return {};

  const auto driveFolder = [this](char drive) -> fs::path {
    if (drive == 'C') return options_.driveC;
    if (drive == 'Z') return "/";
    // Other drives are the links Wine keeps beside drive_c.
    const char letter = static_cast<char>(drive - 'A' + 'a');
    return options_.driveC.parent_path() / "dosdevices" / (std::string(1, letter) + ":");
  };
  const auto currentFolder = [this]() -> fs::path {
    if (!options_.currentFolder.empty()) return tidy(options_.currentFolder);
    std::error_code error;
    return tidy(fs::current_path(error));
  };

  fs::path base;
  switch (parsed.base) {
    case WindowsPath::Base::Drive:
      base = driveFolder(parsed.drive);
      break;
    case WindowsPath::Base::CurrentFolder:
      base = currentFolder();
      for (int level = 0; level < parsed.levelsUp; ++level)
        base = base.parent_path();
      break;
    case WindowsPath::Base::CurrentDriveRoot:
      base = driveFolder(windowsPath(currentFolder()).front());
      break;
    case WindowsPath::Base::Network:
      return {};  // no network shares from here
  }

  return listings_->resolve(base, parsed.names);
}

std::string Platform::windowsPath(const fs::path& native) const {
  const fs::path path = tidy(native);
  auto onDriveC = insideOf(path, options_.driveC);
  if (!onDriveC) {
    // The same folder may be reached through a link (/tmp, a prefix moved elsewhere).
    std::error_code error;
    const fs::path realPath = fs::weakly_canonical(path, error);
    const fs::path realDrive = fs::weakly_canonical(options_.driveC, error);
    if (!error) onDriveC = insideOf(tidy(realPath), tidy(realDrive));
  }
  if (onDriveC) return "C:\\" + joinedWithBackslashes(*onDriveC);
  return "Z:\\" + joinedWithBackslashes(path.relative_path());
}

bool Platform::fileExists(std::string_view path) const {
  const auto status = statusOf(nativePath(path));
  return status && !S_ISDIR(status->st_mode);
}

bool Platform::folderExists(std::string_view path) const {
  return isFolder(statusOf(nativePath(path)));
}

FolderFiles Platform::filesIn(std::string_view folder) const {
  FolderFiles files;
  const fs::path native = nativePath(folder);
  if (native.empty()) return files;
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(native.c_str()), ::closedir);
  if (!listing) return files;
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    // A link counts as what it leads to, as stat sees it.
    bool isFile = entry->d_type != DT_DIR;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat status {};
      isFile = ::fstatat(::dirfd(listing.get()), entry->d_name, &status, 0) == 0 &&
               !S_ISDIR(status.st_mode);
    }
    files.add(std::string(name), isFile);
  }
  return files;
}

bool Platform::createFolder(std::string_view path) {
  const fs::path native = nativePath(path);
  return !native.empty() && ::mkdir(native.c_str(), 0777) == 0;
}

bool Platform::copyFile(std::string_view from, std::string_view to) {
  try {
    return replaceFile(from, to);
  } catch (const IoError&) {
    return false;
  }
}

bool Platform::replaceFile(std::string_view from, std::string_view to) {
  const fs::path source = nativePath(from);
  const fs::path target = nativePath(to);
  const auto sourceStatus = statusOf(source);
  if (!sourceStatus || S_ISDIR(sourceStatus->st_mode)) return false;
  const auto readFailure = [&](int error) {
    return IoError(IoAction::kRead, std::string(from), failureText(error, source));
  };
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kReplace, std::string(to), failure);
  };
  const auto targetStatus = statusOf(target);
  if (target.empty()) throw fail(IoCause::kFolderMissing);
  if (isFolder(targetStatus)) throw fail(IoCause::kIsFolder);
  if (targetStatus && targetStatus->st_dev == sourceStatus->st_dev &&
      targetStatus->st_ino == sourceStatus->st_ino) {
    throw fail(IoCause::kSameFile);
  }

  FileDescriptor input(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!input.valid()) throw readFailure(errno);
  PendingFile output(target);
  if (output.openError() != 0) throw fail(failureText(output.openError(), target));
  reachedStep(to, WriteStep::TemporaryCreated);
  if (const auto failed = copyContent(input.get(), output.get())) {
    if (failed->reading) throw readFailure(failed->error);
    throw fail(failureText(failed->error, target));
  }
  // Like CopyFile the copy keeps the source's time, but it is always writable: a read-only
  // medium must not leave settings that no program can save again.
  ::fchmod(output.get(), (sourceStatus->st_mode & 07777) | S_IWUSR);
  const std::array<timespec, 2> times = {sourceStatus->st_atim, sourceStatus->st_mtim};
  ::futimens(output.get(), times.data());
  reachedStep(to, WriteStep::TemporaryWritten);
  if (const int error = output.commit(unflushed_.get()); error != 0) {
    throw fail(failureText(error, target));
  }
  reachedStep(to, WriteStep::SwappedIn);
  return true;
}

void Platform::flushCopies() {
  fs::path folder;
  if (const int error = unflushed_->flush(folder); error != 0) {
    throw IoError(IoAction::kWrite, windowsPath(folder), failureText(error, folder));
  }
}

bool Platform::deleteFile(std::string_view path) {
  const fs::path native = nativePath(path);
  struct stat status {};
  if (native.empty() || lstat(native.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) {
    return false;
  }
  if (isReadOnly(status)) return false;
  return ::unlink(native.c_str()) == 0;
}

void Platform::removeTemporaryFiles(std::string_view folder) {
  const fs::path native = nativePath(folder);
  if (native.empty()) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(native.c_str()), ::closedir);
  if (!listing) return;
  while (const dirent* entry = ::readdir(listing.get())) {
    struct stat status {};
    if (!isTemporaryName(entry->d_name) ||
        ::fstatat(::dirfd(listing.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode)) {
      continue;
    }
    ::unlinkat(::dirfd(listing.get()), entry->d_name, 0);
  }
}

std::string Platform::readFile(std::string_view path) const {
  const fs::path native = nativePath(path);
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kRead, std::string(path), failure);
  };
  if (isFolder(statusOf(native))) throw fail(IoCause::kIsFolder);
  FileDescriptor file(native.empty() ? -1 : ::open(native.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid())
    throw fail(native.empty() ? IoCause::kFolderMissing : failureText(errno, native));
  std::string content;
  if (const int error = readAll(file.get(), content); error != 0) {
    throw fail(failureText(error, native));
  }
  return content;
}

void Platform::writeFile(std::string_view path, std::string_view bytes) {
  const fs::path native = nativePath(path);
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kWrite, std::string(path), failure);
  };
  if (native.empty()) throw fail(IoCause::kFolderMissing);
  const auto status = statusOf(native);
  if (isFolder(status)) throw fail(IoCause::kIsFolder);
  if (isReadOnly(status)) throw fail(IoCause::kAccessDenied);
  PendingFile file(native);
  if (file.openError() != 0) throw fail(failureText(file.openError(), native));
  if (status) ::fchmod(file.get(), status->st_mode & 07777);
  reachedStep(path, WriteStep::TemporaryCreated);
  if (options_.writeFailsHalfway && options_.writeFailsHalfway(path)) {
    static_cast<void>(writeAll(file.get(), bytes.substr(0, bytes.size() / 2)));
    throw fail(IoCause::kDiskFull);
  }
  if (const int error = writeAll(file.get(), bytes); error != 0) {
    throw fail(failureText(error, native));
  }
  reachedStep(path, WriteStep::TemporaryWritten);
  if (const int error = file.commit(); error != 0) throw fail(failureText(error, native));
  reachedStep(path, WriteStep::SwappedIn);
}

std::string Platform::desktopFolder() const {
  if (options_.desktopFolder) return *options_.desktopFolder;
  const fs::path folder = posix::xdgDesktopFolder();
  return isFolder(statusOf(folder)) ? windowsPath(folder) : std::string{};
}

std::string Platform::today() const {
  return options_.today ? *options_.today : posix::shortDateToday();
}

void Platform::shellOpen(std::string_view target) const {
  if (target.empty()) return;
  if (isWebAddress(target)) {
    posix::startDetached({"xdg-open", std::string(target)});
    return;
  }
  const std::string native = nativePath(target).native();
  if (native.empty()) return;
  const std::string extension = lowerExtension(target);
  if (extension == ".exe" || extension == ".lnk") {
    posix::startDetached({"wine", "start", "/unix", native});
  } else {
    posix::startDetached({"xdg-open", native});
  }
}

}  // namespace tavi::platform
