#pragma once

#include "WizardPage.h"
#include "core/CertificatePage.h"

class QListWidget;

// The certificate page: its list widget around the page's logic.
class CWizPageKeys : public CWizardPage,
                     private CertificateListView,
                     private PageServices,
                     private CertificatePageLogic {
  public:
    CWizPageKeys();

    void initializePage() override;
    void OnSetActive() override;
    bool validatePage() override;

  private:
    void RemoveAll() override;
    int Add(const char* text) override;
    void SetHandle(int index, void* handle) override;
    void* Handle(int index) override;
    void Select(int index) override;
    int Selected() override;

    void ShowMessage(const std::string& text) override;
    bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                             std::string& reason) override;

    QListWidget* m_listCerts;
};
