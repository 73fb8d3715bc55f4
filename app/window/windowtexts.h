#pragma once

class DemoForm;
class frmSetting;

// The words the windows show and speak beyond what their code sets: the
// captions their form descriptions give (translated for a desktop that is
// not Chinese), and the names a screen reader speaks where a caption says
// too little ("X", "?", "...") or where a control has none. The captions a
// person sees stay as they are.
namespace WindowTexts {

void applyToMainWindow(DemoForm &form);
void applyToSettingsDialog(frmSetting &dialog);

} // namespace WindowTexts
