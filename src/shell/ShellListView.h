#pragma once
// The shell list view as placed on a form: publishes its settings and
// events.

#include "shell/CustomShellListView.h"

class TVintoShellListView : public TCustomVintoShellListView {
  FW_CLASS(TVintoShellListView)
 public:
  using TCustomVintoShellListView::TCustomVintoShellListView;
};
