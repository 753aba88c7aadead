#include "app/BatchFileWriter.h"

#include <windows.h>

#include <algorithm>

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

}  // namespace

EFCreateError::EFCreateError(const std::string& FileName)
    : std::runtime_error("Cannot create file " + FileName), FFileName(FileName) {}

void TBatchFileWriter::Write(const std::string& FileName, const std::string& Contents) {
  if (FileName.empty()) throw EFCreateError(FileName);
  // A folder of that name cannot be replaced by a file.
  DWORD attributes = GetFileAttributesA(FileName.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw EFCreateError(FileName);
  char tempPath[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(FileName).c_str(), "fwk", 0, tempPath))
    throw EFCreateError(FileName);
  TTempFile temp(tempPath);
  if (!temp.Open() || !temp.WriteAll(Contents) || !temp.Close() || !temp.ReplaceTarget(FileName))
    throw EFCreateError(FileName);
}
