#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/ansi_codec.h"
#include "platform/io_error.h"
#include "platform/platform.h"
#include "platform/temporary_files.h"
#include "platform/windows/wide_text.h"
#include "platform/windows_path.h"

namespace tavi::platform {

namespace fs = std::filesystem;

namespace {

using windows::narrow;
using windows::widen;

constexpr DWORD kChunk = 64 * 1024;
constexpr DWORD kCopyChunk = 1024 * 1024;
constexpr wchar_t kShellFolders[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The system's own calls rather than std::filesystem's operations, which would carry much of
// the C++ library's streams and locales into the programs.
fs::path absolutePath(const fs::path& path) {
  if (path.empty()) return {};
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    const bool fits = length < full.size();
    full.resize(length);
    if (fits) return full;
  }
}

fs::path currentDirectory() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  if (length == 0 || length >= folder.size()) return {};
  folder.resize(length);
  return folder;
}

// An absolute, normalised path without a trailing separator.
fs::path tidy(const fs::path& path) {
  fs::path result = absolutePath(path).lexically_normal();
  if (!result.has_filename() && result.has_relative_path()) result = result.parent_path();
  return result;
}

bool sameName(const fs::path& a, const fs::path& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The rest of path below root, comparing names as Windows does, without regard to case.
std::optional<fs::path> insideOf(const fs::path& path, const fs::path& root) {
  auto at = path.begin();
  for (const fs::path& part : root) {
    if (at == path.end() || !sameName(*at, part)) return std::nullopt;
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
    if (part.empty() || part == L"\\" || part == L"/") continue;
    if (!result.empty()) result += '\\';
    result += narrow(part.native());
  }
  return result;
}

DWORD attributesOf(const fs::path& native) {
  return native.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(native.c_str());
}

bool isFolder(const fs::path& native) {
  const DWORD attributes = attributesOf(native);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows refuses to write a read-only file; checked here as well because Wine, run by root,
// would let the write through.
bool isReadOnlyFile(const fs::path& native) {
  const DWORD attributes = attributesOf(native);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The system's own words, without the final full stop and line break.
std::string systemMessage(DWORD error) {
  std::array<wchar_t, 512> buffer{};
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                     buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
  std::wstring text(buffer.data(), length);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  return text.empty() ? "system error " + std::to_string(error) : narrow(text);
}

IoFailure failureText(DWORD error, const fs::path& native) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return IoCause::kFileMissing;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return IoCause::kFolderMissing;
    case ERROR_ACCESS_DENIED:
      return isFolder(native) ? IoCause::kIsFolder : IoCause::kAccessDenied;
    case ERROR_WRITE_PROTECT:
      return IoCause::kWriteProtected;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return IoCause::kFileInUse;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return IoCause::kDiskFull;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return IoCause::kPathTooLong;
    case ERROR_NOT_READY:
    case ERROR_NO_MEDIA_IN_DRIVE:
    case ERROR_DEV_NOT_EXIST:
      return IoCause::kDeviceNotReady;
    default:
      return IoFailure::inSystemWords(systemMessage(error));
  }
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle& operator=(FileHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes now; returns the error, or 0.
  DWORD close() {
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed ? 0 : GetLastError();
  }

 private:
  HANDLE handle_;
};

// The name under which an existing entry is spelt on the disk, so that a replaced file keeps it.
fs::path existingSpelling(const fs::path& native) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(native.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return native;
  FindClose(search);
  return native.parent_path() / found.cFileName;
}

bool sameFile(const fs::path& a, const fs::path& b) {
  const auto identity = [](const fs::path& native) -> std::optional<std::array<DWORD, 3>> {
    FileHandle file(CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
    return std::array<DWORD, 3>{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                                information.nFileIndexLow};
  };
  const auto first = identity(a);
  return first && first == identity(b);
}

// What a replaced settings file keeps; the read-only attribute is refused before a write.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

DWORD settableAttributes(DWORD attributes) {
  return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

// A file being written beside its target under a name of its own, created with the attributes
// the target is to have; it replaces the target in one step when every byte is on the disk, and
// is removed again if anything fails before.
class PendingFile {
 public:
  PendingFile(const fs::path& target, DWORD attributes) : target_(target) {
    for (unsigned attempt = 0; attempt < 16 && !file_.valid(); ++attempt) {
      path_ = target_;
      path_ += widen(temporarySuffix());
      file_ = FileHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     settableAttributes(attributes), nullptr));
      error_ = file_.valid() ? 0 : GetLastError();
      if (error_ != ERROR_FILE_EXISTS && error_ != ERROR_ALREADY_EXISTS) break;
    }
  }
  ~PendingFile() {
    if (file_.valid()) file_.close();
    if (!committed_ && error_ == 0) DeleteFileW(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The error that kept the file from being created, or 0.
  DWORD openError() const { return error_; }
  HANDLE get() const { return file_.get(); }

  // Flushes, closes and swaps the file in for the target; returns the error, or 0.
  DWORD commit() {
    if (!FlushFileBuffers(file_.get())) return GetLastError();
    if (const DWORD error = file_.close(); error != 0) return error;
    // MoveFileExW does not replace a read-only file; hidden and system ones it does.
    const DWORD old = attributesOf(target_);
    const bool readOnly = old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly &&
        !SetFileAttributesW(target_.c_str(), settableAttributes(old & ~FILE_ATTRIBUTE_READONLY))) {
      return GetLastError();
    }
    if (!MoveFileExW(path_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      if (readOnly) SetFileAttributesW(target_.c_str(), old);
      return error;
    }
    committed_ = true;
    return 0;
  }

 private:
  fs::path target_;
  fs::path path_;
  FileHandle file_{INVALID_HANDLE_VALUE};
  DWORD error_ = 0;
  bool committed_ = false;
};

// Where copying a file's content failed: the file read or the file written.
struct CopyFailure {
  bool reading;
  DWORD error;
};

std::optional<CopyFailure> copyContent(HANDLE from, HANDLE to) {
  std::string buffer(kCopyChunk, '\0');
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(from, buffer.data(), kCopyChunk, &count, nullptr)) {
      return CopyFailure{true, GetLastError()};
    }
    if (count == 0) return std::nullopt;
    for (DWORD done = 0; done < count;) {
      DWORD written = 0;
      if (!WriteFile(to, buffer.data() + done, count - done, &written, nullptr)) {
        return CopyFailure{false, GetLastError()};
      }
      if (written == 0) return CopyFailure{false, ERROR_DISK_FULL};
      done += written;
    }
  }
}

}  // namespace

Platform::Platform(PlatformOptions options) : options_(std::move(options)) {
  if (!options_.driveC.empty()) options_.driveC = tidy(options_.driveC);
  codePage_ =
      options_.codePage != 0 && IsValidCodePage(options_.codePage) ? options_.codePage : GetACP();
  codec_ = AnsiCodec::open(codePage_);
}

fs::path Platform::nativePath(std::string_view path) const {
  if (path.find('\0') != std::string_view::npos) return {};
  const WindowsPath parsed = parseWindowsPath(path);
  if (!parsed.valid) return {};
  const auto currentFolder = [this]() -> fs::path {
    if (!options_.currentFolder.empty()) return tidy(options_.currentFolder);
    return tidy(currentDirectory());
  };

  fs::path result;
  switch (parsed.base) {
    case WindowsPath::Base::Drive:
      if (parsed.drive == 'C' && !options_.driveC.empty()) {
        result = options_.driveC;
      } else {
        result = std::wstring{static_cast<wchar_t>(parsed.drive), L':', L'\\'};
      }
      break;
    case WindowsPath::Base::CurrentFolder:
      result = currentFolder();
      for (int level = 0; level < parsed.levelsUp; ++level)
        result = result.parent_path();
      break;
    case WindowsPath::Base::CurrentDriveRoot:
      result = currentFolder().root_path();
      break;
    case WindowsPath::Base::Network:
      result = L"\\\\";
      break;
  }
  for (const std::string& name : parsed.names)
    result /= widen(name);
  return result;
}

std::string Platform::windowsPath(const fs::path& native) const {
  const fs::path path = tidy(native);
  if (!options_.driveC.empty()) {
    if (const auto onDriveC = insideOf(path, options_.driveC)) {
      return "C:\\" + joinedWithBackslashes(*onDriveC);
    }
  }
  std::string result = narrow(path.native());
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

bool Platform::fileExists(std::string_view path) const {
  const DWORD attributes = attributesOf(nativePath(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Platform::folderExists(std::string_view path) const {
  return isFolder(nativePath(path));
}

FolderFiles Platform::filesIn(std::string_view folder) const {
  FolderFiles files;
  const fs::path native = nativePath(folder);
  if (native.empty()) return files;
  WIN32_FIND_DATAW entry{};
  const HANDLE listing =
      FindFirstFileExW((native / L"*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring_view name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    files.add(narrow(name), (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0);
  } while (FindNextFileW(listing, &entry) != 0);
  FindClose(listing);
  return files;
}

bool Platform::createFolder(std::string_view path) {
  const fs::path native = nativePath(path);
  return !native.empty() && CreateDirectoryW(native.c_str(), nullptr) != 0;
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
  const DWORD sourceAttributes = attributesOf(source);
  if (sourceAttributes == INVALID_FILE_ATTRIBUTES ||
      (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  const fs::path target = nativePath(to);
  const auto readFailure = [&](DWORD error) {
    return IoError(IoAction::kRead, std::string(from), failureText(error, source));
  };
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kReplace, std::string(to), failure);
  };
  if (target.empty()) throw fail(IoCause::kFolderMissing);
  if (isFolder(target)) throw fail(IoCause::kIsFolder);
  if (sameFile(source, target)) throw fail(IoCause::kSameFile);

  FileHandle input(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!input.valid()) throw readFailure(GetLastError());
  // An ordinary writable file whatever the source or the old target was: a read-only medium
  // must not leave settings that no program can save again.
  PendingFile output(existingSpelling(target), 0);
  if (output.openError() != 0) throw fail(failureText(output.openError(), target));
  reachedStep(to, WriteStep::TemporaryCreated);
  if (const auto failed = copyContent(input.get(), output.get())) {
    if (failed->reading) throw readFailure(failed->error);
    throw fail(failureText(failed->error, target));
  }
  // Like the POSIX copy, the source's times of last access and last change.
  FILETIME accessed{};
  FILETIME changed{};
  if (GetFileTime(input.get(), nullptr, &accessed, &changed)) {
    SetFileTime(output.get(), nullptr, &accessed, &changed);
  }
  reachedStep(to, WriteStep::TemporaryWritten);
  if (const DWORD error = output.commit(); error != 0) throw fail(failureText(error, target));
  reachedStep(to, WriteStep::SwappedIn);
  return true;
}

// Each copy is flushed before it is swapped in: there is nothing left to wait for.
void Platform::flushCopies() {}

bool Platform::deleteFile(std::string_view path) {
  const fs::path native = nativePath(path);
  return !native.empty() && DeleteFileW(native.c_str()) != 0;
}

void Platform::removeTemporaryFiles(std::string_view folder) {
  const fs::path native = nativePath(folder);
  if (native.empty()) return;
  std::vector<std::wstring> leftOvers;
  WIN32_FIND_DATAW entry{};
  const HANDLE listing =
      FindFirstFileExW((native / L"*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    if ((entry.dwFileAttributes & kNotAFile) == 0 && isTemporaryName(narrow(entry.cFileName))) {
      leftOvers.emplace_back(entry.cFileName);
    }
  } while (FindNextFileW(listing, &entry) != 0);
  FindClose(listing);
  for (const std::wstring& name : leftOvers)
    DeleteFileW((native / name).c_str());
}

std::string Platform::readFile(std::string_view path) const {
  const fs::path native = nativePath(path);
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kRead, std::string(path), failure);
  };
  if (native.empty()) throw fail(IoCause::kFolderMissing);
  if (isFolder(native)) throw fail(IoCause::kIsFolder);
  FileHandle file(CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw fail(failureText(GetLastError(), native));
  std::string content;
  std::string buffer(kChunk, '\0');
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file.get(), buffer.data(), kChunk, &count, nullptr)) {
      throw fail(failureText(GetLastError(), native));
    }
    if (count == 0) break;
    content.append(buffer.data(), count);
  }
  if (const DWORD error = file.close(); error != 0) throw fail(failureText(error, native));
  return content;
}

void Platform::writeFile(std::string_view path, std::string_view bytes) {
  const fs::path native = nativePath(path);
  const auto fail = [&](const IoFailure& failure) {
    return IoError(IoAction::kWrite, std::string(path), failure);
  };
  if (native.empty()) throw fail(IoCause::kFolderMissing);
  if (isFolder(native)) throw fail(IoCause::kIsFolder);
  if (isReadOnlyFile(native)) throw fail(IoCause::kAccessDenied);
  const fs::path target = existingSpelling(native);
  const DWORD old = attributesOf(target);
  PendingFile file(target, old == INVALID_FILE_ATTRIBUTES ? 0 : old & kKeptAttributes);
  if (file.openError() != 0) throw fail(failureText(file.openError(), target));
  reachedStep(path, WriteStep::TemporaryCreated);
  const bool failHalfway = options_.writeFailsHalfway && options_.writeFailsHalfway(path);
  std::string_view rest = failHalfway ? bytes.substr(0, bytes.size() / 2) : bytes;
  while (!rest.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), kChunk));
    DWORD written = 0;
    if (!WriteFile(file.get(), rest.data(), chunk, &written, nullptr)) {
      throw fail(failureText(GetLastError(), target));
    }
    if (written == 0) throw fail(IoCause::kDiskFull);
    rest.remove_prefix(written);
  }
  if (failHalfway) throw fail(IoCause::kDiskFull);
  reachedStep(path, WriteStep::TemporaryWritten);
  if (const DWORD error = file.commit(); error != 0) throw fail(failureText(error, target));
  reachedStep(path, WriteStep::SwappedIn);
}

std::string Platform::desktopFolder() const {
  if (options_.desktopFolder) return *options_.desktopFolder;
  // As stored: without RRF_NOEXPAND the call refuses an expandable type outright.
  constexpr DWORD kTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  std::wstring value(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop", kTypes,
                                        nullptr, value.data(), &size);
    if (status == ERROR_MORE_DATA) {
      value.assign(size / sizeof(wchar_t) + 1, L'\0');
      continue;
    }
    if (status != ERROR_SUCCESS) return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return narrow(value);
  }
  return {};
}

std::string Platform::today() const {
  if (options_.today) return *options_.today;
  const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr,
                                     nullptr, 0, nullptr);
  if (length <= 0) return {};
  std::wstring date(static_cast<std::size_t>(length), L'\0');
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date.data(),
                      length, nullptr) <= 0) {
    return {};
  }
  date.resize(wcsnlen(date.c_str(), date.size()));
  return narrow(date);
}

void Platform::shellOpen(std::string_view target) const {
  if (target.empty()) return;
  const std::wstring wide = isWebAddress(target) ? widen(target) : nativePath(target).native();
  if (wide.empty()) return;
  // The shell may hand the document to an extension that needs COM on this thread. The first
  // initialisation stays for the thread's life; a repeated one is balanced at once.
  if (CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) == S_FALSE) {
    CoUninitialize();
  }
  ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tavi::platform
