#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/folder_files.h"

namespace tavi::platform {

class AnsiCodec;
class FolderListings;
class UnflushedCopies;

// The steps of a write or a copy of one file; a crash at any of them leaves the target with its
// old content or its new one, and at most a temporary file beside it that the next run removes.
enum class WriteStep : std::uint8_t {
  TemporaryCreated,  // the temporary file exists beside the target, still empty
  TemporaryWritten,  // every byte is in the temporary file; the target is untouched
  SwappedIn,         // the target holds the new content; nothing is left beside it
};

// How a Platform is set up. Every field left empty takes the system's own value; tests fill
// them all, so that no test touches the real drive C:, the environment or the real desktop.
struct PlatformOptions {
  // Native folder that stands for drive C:. Empty: C:\ itself on Windows; on POSIX the Wine
  // prefix's drive_c ($WINEPREFIX/drive_c, else ~/.wine/drive_c).
  std::filesystem::path driveC;
  // Native folder against which a path without a drive is resolved (the installation medium's
  // root for the installer). Empty: the process's current folder.
  std::filesystem::path currentFolder;
  // ANSI code page of the text in settings files (1250, 1251, 1252, ...). 0: the process's ANSI
  // code page on Windows; on POSIX the one Windows uses for the user's locale.
  unsigned codePage = 0;
  // The desktop folder as a Windows path; an empty text stands for "cannot be found".
  // Unset: the registry's "Desktop" shell folder (Windows) or the XDG desktop folder (POSIX).
  std::optional<std::string> desktopFolder;
  // Today's date as text. Unset: today in the user's short date format.
  std::optional<std::string> today;
  // Tests only: a write of a file for which this answers true stops half way, as on a full disk.
  std::function<bool(std::string_view path)> writeFailsHalfway;
  // Tests only: called at each step of a write or a copy with the target's path as given, so
  // that a test sees the disk as a crash at that step would leave it, or throws to stop there.
  std::function<void(std::string_view path, WriteStep step)> atWriteStep;
};

// The operating system as the two programs see it. All paths are Windows paths in UTF-8
// ("C:\Folder\Name.ext", "DWin\Name.exe"); program text is UTF-8 throughout and
// file text is converted to and from the ANSI code page here. One implementation for Windows,
// one for POSIX; both behave alike so that the files they leave are identical byte for byte.
class Platform {
 public:
  explicit Platform(PlatformOptions options = {});

  // True when a file (not a folder) of that name exists.
  bool fileExists(std::string_view path) const;
  // True when a folder of that name exists.
  bool folderExists(std::string_view path) const;
  // The entries of a folder in one listing, for many fileExists tests in a row; empty when the
  // folder is missing or cannot be read.
  FolderFiles filesIn(std::string_view folder) const;
  // Creates one folder level; the parent must exist. False when it could not be created
  // (an existing folder of that name also gives false, as on Windows).
  bool createFolder(std::string_view path);
  // Copies a file, replacing the target (read-only, hidden, system or not): written beside it
  // and swapped in, so that the target is never half written. The copy is an ordinary writable
  // file with the source's times whatever the source's or the old target's attributes, as a CD's
  // files are read-only. A link at the target is replaced, never written through. A copy that
  // fails leaves the target as it was. False on any failure.
  bool copyFile(std::string_view from, std::string_view to);
  // The same for a copy that must not fail unseen: false when the source does not exist, and
  // IoError ("replace") naming the target when it exists but the target cannot be written.
  bool replaceFile(std::string_view from, std::string_view to);
  // Waits until every copy made so far is on the disk, before an installation is reported
  // complete. On POSIX a copy is not flushed on its own, so that hundreds of copies wait for the
  // disk once; on Windows each copy is flushed before it is swapped in and nothing is left here.
  // Throws IoError ("write") naming a folder whose copies could not be flushed.
  void flushCopies();
  // Deletes a file (never a folder); false on any failure, a missing file included.
  bool deleteFile(std::string_view path);
  // Removes the temporary files that a stopped write or copy of either program left in the
  // folder (names as isTemporaryName tells); every other file stays. Never throws.
  void removeTemporaryFiles(std::string_view folder);

  // The whole content of an existing file. Throws IoError ("read") when the file is missing,
  // is a folder, or cannot be opened or read.
  std::string readFile(std::string_view path) const;
  // Replaces the file's content with the bytes, or creates it: written to a temporary file
  // beside it, flushed to the disk, then swapped in, so that a crash, a full disk or a power cut
  // leaves the old content or the new one, never a part, and the file is never missing. An
  // existing file keeps its name as spelt and, on Windows, its attributes (hidden, system). Throws
  // IoError ("write") on any failure, a missing folder included; the folder is never created, and
  // no temporary file stays behind.
  void writeFile(std::string_view path, std::string_view bytes);

  // Text conversion between the program's UTF-8 and the ANSI code page, alike on every
  // platform: a character that the code page lacks is written as one "?", never as a look-alike;
  // never throws.
  std::string toAnsi(std::string_view text) const;
  std::string fromAnsi(std::string_view bytes) const;
  // The characters of the text that the code page lacks, each once; empty when toAnsi is exact.
  std::u32string missingCharacters(std::string_view text) const;
  unsigned codePage() const { return codePage_; }

  // The desktop folder as a Windows path, read anew at every call; empty when it cannot be
  // found.
  std::string desktopFolder() const;
  // Today's date in the user's short date format.
  std::string today() const;
  // Asks the desktop to open a document, web address, program or shortcut with its
  // associated application; never waits, and ignores the result.
  void shellOpen(std::string_view target) const;

  // The native path that a Windows path stands for (with the letter case of existing entries).
  std::filesystem::path nativePath(std::string_view path) const;
  // The Windows path under which a native path is seen (Z:\ on POSIX for paths outside C:).
  std::string windowsPath(const std::filesystem::path& native) const;

 private:
  void reachedStep(std::string_view path, WriteStep step) const {
    if (options_.atWriteStep) options_.atWriteStep(path, step);
  }

  PlatformOptions options_;
  unsigned codePage_;
  // The code page's conversion tables, shared by copies of the platform.
  std::shared_ptr<const AnsiCodec> codec_;
  // POSIX: the names of the folders that lookups went through, kept current.
  std::shared_ptr<FolderListings> listings_;
  // POSIX: the file systems that hold copies not yet flushed.
  std::shared_ptr<UnflushedCopies> unflushed_;
};

}  // namespace tavi::platform
