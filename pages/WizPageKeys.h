#pragma once

#include "core/CertificatePage.h"
#include "toolkit/ListBox.h"
#include "toolkit/PropertyPage.h"

// The certificate page: its window and list box around the page's logic.
class CWizPageKeys : public CPropertyPage,
                     private CertificateListView,
                     private PageServices,
                     private CertificatePageLogic {
  public:
    CWizPageKeys();

  protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;

  private:
    void RemoveAll() override { m_listCerts.ResetContent(); }
    int Add(const char* text) override { return m_listCerts.AddString(text); }
    void SetHandle(int index, void* handle) override { m_listCerts.SetItemDataPtr(index, handle); }
    void* Handle(int index) override { return m_listCerts.GetItemDataPtr(index); }
    void Select(int index) override { m_listCerts.SetCurSel(index); }
    int Selected() override { return m_listCerts.GetCurSel(); }

    void ShowMessage(const std::string& text) override;
    bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                             std::string& reason) override;

    CListBox m_listCerts;
};
