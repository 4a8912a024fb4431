#pragma once

#include <QWizardPage>

class QLabel;

// A wizard page that sets the wizard's buttons each time it becomes current.
class CWizardPage : public QWizardPage {
  public:
    // Back, Next and Finish for PostWizardButtons, combined by addition.
    enum { PSWIZB_BACK = 1, PSWIZB_NEXT = 2, PSWIZB_FINISH = 4 };

    // The page's activation step, run on every arrival.
    virtual void OnSetActive() = 0;

  protected:
    // Queued to the wizard, so it applies after the wizard's own update of the
    // buttons on a page change.
    void PostWizardButtons(int flags);
    // A static, word-wrapped text of the page.
    QLabel* AddText(const char* text);
};
