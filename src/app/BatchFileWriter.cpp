#include "app/BatchFileWriter.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace {

std::string FolderOf(const std::string& FileName) {
  size_t slash = FileName.find_last_of("\\/:");
  if (slash == std::string::npos) return ".";
  if (FileName[slash] == ':') return FileName.substr(0, slash + 1) + ".";
  return slash == 0 ? FileName.substr(0, 1) : FileName.substr(0, slash);
}

// Closes the handle and removes the temporary file unless it was committed.
class TTempFile {
 public:
  explicit TTempFile(std::string Path) : FPath(std::move(Path)) {}
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  ~TTempFile() {
    Close();
    if (!FCommitted) DeleteFileA(FPath.c_str());
  }
  bool Open() {
    FHandle = CreateFileA(FPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return FHandle != INVALID_HANDLE_VALUE;
  }
  bool WriteAll(const std::string& Bytes) {
    size_t done = 0;
    while (done < Bytes.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(Bytes.size() - done, 1u << 20));
      DWORD written = 0;
      if (!WriteFile(FHandle, Bytes.data() + done, chunk, &written, nullptr) || written == 0)
        return false;
      done += written;
    }
    return FlushFileBuffers(FHandle) != 0;
  }
  bool Close() {
    if (FHandle == INVALID_HANDLE_VALUE) return true;
    bool ok = CloseHandle(FHandle) != 0;
    FHandle = INVALID_HANDLE_VALUE;
    return ok;
  }
  bool ReplaceTarget(const std::string& Target) {
    FCommitted = MoveFileExA(FPath.c_str(), Target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    return FCommitted;
  }

 private:
  std::string FPath;
  HANDLE FHandle = INVALID_HANDLE_VALUE;
  bool FCommitted = false;
};

// The file that writing FileName reaches: a link leads to what it links to.
// FileName itself when nothing of that name exists yet.
std::string PathWrittenThrough(const std::string& FileName) {
  HANDLE file =
      CreateFileA(FileName.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileName;
  char path[MAX_PATH * 4];
  const DWORD size =
      GetFinalPathNameByHandleA(file, path, sizeof path, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(file);
  if (size == 0 || size >= sizeof path) return FileName;
  const std::string resolved(path, size);
  constexpr std::string_view kUnc = "\\\\?\\UNC\\", kLocal = "\\\\?\\";
  if (resolved.rfind(kUnc, 0) == 0) return "\\\\" + resolved.substr(kUnc.size());
  if (resolved.rfind(kLocal, 0) == 0) return resolved.substr(kLocal.size());
  return resolved;
}

// Writes an existing file in place, for a folder where files may be written
// but not made or replaced. Not all-or-nothing: the last resort.
bool WriteInPlace(const std::string& Path, const std::string& Bytes) {
  HANDLE file = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < Bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(Bytes.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, Bytes.data() + done, chunk, &written, nullptr) && written != 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

}  // namespace

EFCreateError::EFCreateError(const std::string& FileName)
    : std::runtime_error("Cannot create file " + FileName), FFileName(FileName) {}

void TBatchFileWriter::Write(const std::string& FileName, const std::string& Contents) {
  if (FileName.empty()) throw EFCreateError(FileName);
  const std::string target = PathWrittenThrough(FileName);
  const DWORD attributes = GetFileAttributesA(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // A folder of that name cannot be replaced by a file, and the platform's
  // create-always refuses to overwrite a read-only, hidden or system file:
  // none of them is replaced behind the user's back.
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY |
                               FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
    throw EFCreateError(FileName);
  char tempPath[MAX_PATH];
  if (GetTempFileNameA(FolderOf(target).c_str(), "fwk", 0, tempPath)) {
    TTempFile temp(tempPath);
    if (temp.Open() && temp.WriteAll(Contents) && temp.Close() && temp.ReplaceTarget(target))
      return;
  }
  if (!exists || !WriteInPlace(target, Contents)) throw EFCreateError(FileName);
}
