#include "WizPageIntro.h"

#include <QAbstractButton>
#include <QLayout>
#include <QWizard>

CWizPageIntro::CWizPageIntro() {
    AddText("This utility lets you use your TrustedQSL key and digital certificate to "
            "authenticate your request for access to Corvalen.");
    AddText("Click Next to continue.");
    layout()->setAlignment(Qt::AlignTop);
}

void CWizPageIntro::OnSetActive() {
    wizard()->button(QWizard::HelpButton)->hide();
    PostWizardButtons(PSWIZB_NEXT);
}
