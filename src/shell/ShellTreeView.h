#pragma once
// The shell folder tree as placed on a form: publishes the properties and
// events of TCustomVintoShellTreeView and the usual tree-view ones.

#include "shell/CustomShellTreeView.h"

class TVintoShellTreeView : public TCustomVintoShellTreeView {
  FW_CLASS(TVintoShellTreeView)
 public:
  using TCustomVintoShellTreeView::TCustomVintoShellTreeView;
};
