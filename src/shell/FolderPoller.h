#pragma once
// Finds changes in folders by looking at them again and again, and reports
// them as shell change reports (SHCNE_MKDIR, SHCNE_RMDIR, SHCNE_RENAMEFOLDER
// for folders; SHCNE_CREATE, SHCNE_DELETE, SHCNE_RENAMEITEM, SHCNE_UPDATEITEM
// for files) with full paths. It stands in where the platform's own watching
// falls short, and unlike a watch it holds no folder open between looks, so
// anybody can remove what it watches.
//
// A folder is taken with its subtree or flat (its own entries only). A folder
// that appears below a subtree is reported together with what it already
// holds, and one that goes away together with what it held when last looked
// at. At most MaxFolders folders below the taken ones are looked at; changes
// deeper than that go unseen.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/portable/FolderListing.h"

class TFolderPoller {
 public:
  using TReport = std::function<void(std::size_t RootIndex, LONG Event, const std::string& Path1,
                                     const std::string& Path2)>;

  // With FilesToo false only folders are looked at and reported.
  TFolderPoller(bool FilesToo, std::size_t MaxFolders, TReport Report);

  // Takes the folder and the folders below it as they are now; nothing of
  // what is there now is reported. A folder that cannot be read is left out.
  void AddRoot(const std::string& Path, std::size_t RootIndex);
  // The same for the folder's own entries only. A folder that is already
  // looked at stays as it is.
  void AddFlat(const std::string& Path, std::size_t RootIndex);
  // Stops looking at a folder taken flat.
  void RemoveFlat(const std::string& Path);
  // Looks at every folder again and reports what changed since last time.
  void Poll();

  // The folders looked at: those taken and those found below them.
  std::size_t FolderCount() const { return FFolders.size(); }

 private:
  struct TFolder {
    std::size_t RootIndex = 0;
    bool IsTaken = false;  // by AddRoot or AddFlat, not found below
    bool IsFlat = false;
    std::uint64_t Written = 0;  // the folder's time of writing when last read
    TFolderListing Listing;
  };

  bool List(const std::string& Path, TFolderListing& Listing) const;
  void AddEntry(const FILE_ID_BOTH_DIR_INFO& Info, std::vector<TFolderEntry>& Entries) const;
  void AddBelow(const std::string& Path, std::size_t RootIndex, bool ReportContents);
  bool TakeIn(const std::string& Path, const TFolderEntry& Entry, std::size_t RootIndex);
  void PollFolder(const std::string& Path);
  static std::uint64_t WriteTimeOf(const std::string& Path);
  void ReportChange(const std::string& Folder, const TFolder& Polled, const TFolderChange& Change);
  void Forget(const std::string& Path, bool ReportContents);

  bool FFilesToo;
  std::size_t FMaxFolders;
  TReport FReport;
  std::size_t FBelowCount = 0;  // folders found below the taken ones
  std::map<std::string, TFolder> FFolders;  // by path
};
