#include "WizPageIntro.h"

#include "res/resource.h"

CWizPageIntro::CWizPageIntro() : CPropertyPage(IDD_WIZ_INTRO) {}

void CWizPageIntro::OnSetActive() {
    // No help file belongs to the program.
    ShowWindow(GetDlgItem(GetSheet(), IDHELP), SW_HIDE);
    PostWizardButtons(PSWIZB_NEXT);
}
