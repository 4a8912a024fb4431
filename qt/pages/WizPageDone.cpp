#include "WizPageDone.h"

#include <QLayout>

CWizPageDone::CWizPageDone() {
    AddText("Thanks for your time.  Your digitally-signed authentication request has been "
            "successfully submitted to Corvalen.");
    AddText("Validation of authenticated users normally takes less than 24 hours.  Once your "
            "callsign is validated, you will no longer get a validation error message when you "
            "start up Corvalen.");
    layout()->setAlignment(Qt::AlignTop);
}

void CWizPageDone::OnSetActive() {
    PostWizardButtons(PSWIZB_FINISH);
}
