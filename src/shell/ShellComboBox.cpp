#include "shell/ShellComboBox.h"

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TVintoShellComboBox::StaticClass() {
  static const TClassInfo info = [] {
    using T = TCustomVintoShellComboBox;
    return TClassBuilder<TVintoShellComboBox>("TVintoShellComboBox", &T::StaticClass())
        .Creatable()
        .Prop("DropDownCount", &T::GetDropDownCount, &T::SetDropDownCount, 14)
        .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
        .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, clWindow)
        .EventProp("OnChange", &T::OnChange)
        .EventProp("OnSelect", &T::OnSelect)
        .EventProp("OnDropDown", &T::OnDropDown)
        .EventProp("OnCloseUp", &T::OnCloseUp)
        .EventProp("OnFolderSelected", &T::OnFolderSelected)
        .Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TVintoShellComboBox);
