#include "app/main_window.h"

#include "app/program.h"
#include "app/texts.h"
#include "connections/commands.h"

namespace {

// In z-order, top first. Only the window's place on the screen is computed at run time.
const ControlDefinition kControls[] = {
    {标签1, ControlKind::Label, 4, 84, 264, 55, kHintText, false, nullptr},
    {按钮_修改, ControlKind::PushButton, 200, 56, 64, 24, kModifyCaption, true, RenameSelectedConnection},
    {编辑框, ControlKind::EditBox, 8, 56, 184, 24, "", true, nullptr},
    {按钮_删除, ControlKind::PushButton, 200, 16, 64, 24, kDeleteCaption, true, DeleteSelectedConnection},
    {组合框, ControlKind::ComboBox, 8, 16, 184, 24, "", true, OnConnectionSelected},
};

// Tab runs opposite to the z-order here, so the toolkit walks this list rather than the stacking.
const ControlId kTabCycle[] = {组合框, 按钮_删除, 编辑框, 按钮_修改};

}  // namespace

const WindowDefinition MainWindow = {
    kCaption, 278, 168, kControls, sizeof kControls / sizeof kControls[0],
    kTabCycle, sizeof kTabCycle / sizeof kTabCycle[0], OnWindowCreated,
};
