#include "WizPageKeys.h"

#include "PasswordCallback.h"
#include "res/resource.h"
#include "submit/SubmitSignedRequest.h"
#include "toolkit/WinApp.h"

CWizPageKeys::CWizPageKeys()
    : CPropertyPage(IDD_WIZ_KEYS), CertificatePageLogic(*this, *this, PasswordCallback) {}

void CWizPageKeys::DoDataExchange() {
    m_listCerts.Attach(GetDlgItem(m_hWnd, IDC_CERT_LIST));
}

BOOL CWizPageKeys::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    Initialise();
    return TRUE;
}

void CWizPageKeys::OnSetActive() {
    PostWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

LRESULT CWizPageKeys::OnWizardNext() {
    return OnNext() ? 0 : -1;
}

void CWizPageKeys::ShowMessage(const std::string& text) {
    AfxMessageBox(text);
}

bool CWizPageKeys::SubmitSignedRequest(const char* certText, const char* record,
                                       const char* signatureText, std::string& reason) {
    return ::SubmitSignedRequest(certText, record, signatureText, reason);
}
