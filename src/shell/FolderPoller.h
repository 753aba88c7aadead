#pragma once
// Finds changes below a folder by looking at its folders again and again,
// and reports them as shell change reports (SHCNE_MKDIR, SHCNE_RMDIR,
// SHCNE_RENAMEFOLDER for folders; SHCNE_CREATE, SHCNE_DELETE,
// SHCNE_RENAMEITEM, SHCNE_UPDATEITEM for files) with full paths. It stands in
// where the platform's subtree watching misses folders, and unlike a watch it
// holds no folder open between looks, so anybody can remove what it watches.
//
// The top folder's own entries are not reported (it is watched otherwise);
// it is looked at only to find its subfolders. A folder that appears below
// it is reported together with what it already holds, and one that goes away
// together with what it held when last looked at. At most MaxFolders
// folders below the top are looked at; changes deeper than that go unseen.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "shell/portable/FolderListing.h"

class TFolderPoller {
 public:
  using TReport = std::function<void(std::size_t RootIndex, LONG Event, const std::string& Path1,
                                     const std::string& Path2)>;

  // With FilesToo false only folders are looked at and reported.
  TFolderPoller(bool FilesToo, std::size_t MaxFolders, TReport Report);

  // Takes the folder and the folders below it as they are now; nothing of
  // what is there now is reported.
  void AddRoot(const std::string& Path, std::size_t RootIndex);
  // Takes a folder whose own entries are reported, but not its subfolders'.
  // A folder that is already looked at stays as it is.
  void AddFlat(const std::string& Path, std::size_t RootIndex);
  // Stops looking at a folder taken flat.
  void RemoveFlat(const std::string& Path);
  // Looks at every folder again and reports what changed since last time.
  void Poll();

  // Folders below the tops that are looked at, and those taken flat.
  std::size_t FolderCount() const { return FFolders.size() - FRootCount; }

 private:
  struct TFolder {
    std::size_t RootIndex = 0;
    bool IsRoot = false;
    bool IsFlat = false;
    TFolderListing Listing;
  };

  bool List(const std::string& Path, TFolderListing& Listing) const;
  void AddBelow(const std::string& Path, std::size_t RootIndex, bool ReportContents);
  bool TakeIn(const std::string& Path, const TFolderEntry& Entry, std::size_t RootIndex);
  void PollFolder(const std::string& Path);
  void ReportChange(const std::string& Folder, const TFolder& Polled, const TFolderChange& Change);
  void Forget(const std::string& Path, bool ReportContents);

  bool FFilesToo;
  std::size_t FMaxFolders;
  TReport FReport;
  std::size_t FRootCount = 0;
  std::map<std::string, TFolder> FFolders;  // by path
};
