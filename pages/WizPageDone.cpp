#include "WizPageDone.h"

#include "res/resource.h"

CWizPageDone::CWizPageDone() : CPropertyPage(IDD_WIZ_DONE) {}

void CWizPageDone::OnSetActive() {
    PostWizardButtons(PSWIZB_FINISH);
}
