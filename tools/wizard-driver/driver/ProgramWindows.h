#pragma once

#include "Clock.h"
#include "Target.h"

#include <windows.h>

#include <string>
#include <vector>

namespace wizard_driver {

inline constexpr char kWizardCaption[] = "Corvalen Authentication Wizard";

// The caption as stored by the window manager: reading it sends no message.
std::string caption(HWND window);
bool isDialog(HWND window);

// Null when the program shows no wizard (yet, or any more).
HWND findWizard(const Target& target);
HWND findWizardOrThrow(const Target& target);
// Visible dialogs of the program other than the wizard, topmost first.
std::vector<HWND> openDialogs(const Target& target, HWND wizard);
// The topmost visible dialog with exactly this caption, or null.
HWND findDialog(const Target& target, HWND wizard, const std::string& wantedCaption);
HWND findDialogOrThrow(const Target& target, HWND wizard, const std::string& wantedCaption);

// Null while the sheet has no page or does not answer within timeoutMs.
HWND currentPage(HWND sheet, UINT timeoutMs);
int pageIndex(HWND sheet, HWND page, UINT timeoutMs);

// Waits until the program has handled every message posted to it so far.
// Pages post PSM_SETWIZBUTTONS from PSN_SETACTIVE, so the new page is current
// before its buttons are; and a posted click may not have been handled yet.
// A message the target handles only after those, and whose effect can be read
// back, marks the point: BM_SETSTATE on the hidden Help button, undone after.
void settle(HWND sheet, const Deadline& deadline);

} // namespace wizard_driver
