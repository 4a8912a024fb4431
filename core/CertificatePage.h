#pragma once

#include "tqsl/TqslBinding.h"

#include <string>

// The sorted list of call signs on the certificate page, each entry carrying
// its certificate handle.
class CertificateListView {
  public:
    virtual void RemoveAll() = 0;
    // Adds the text where the sorted list places it and returns that position.
    virtual int Add(const char* text) = 0;
    virtual void SetHandle(int index, void* handle) = 0;
    virtual void* Handle(int index) = 0;
    virtual void Select(int index) = 0;
    // The selected position, or a negative number for none.
    virtual int Selected() = 0;

  protected:
    ~CertificateListView() = default;
};

// What the page needs of its surroundings: the message box and the sender.
class PageServices {
  public:
    virtual void ShowMessage(const std::string& text) = 0;
    // Posts the signed request; on failure stores the reason and returns false.
    virtual bool SubmitSignedRequest(const char* certText, const char* record,
                                     const char* signatureText, std::string& reason) = 0;

  protected:
    ~PageServices() = default;
};

// The certificate page without its window: fills the list once, and signs and
// submits the selected certificate on Next.
class CertificatePageLogic {
  public:
    CertificatePageLogic(CertificateListView& list, PageServices& services,
                         TqslPasswordCallback passwordCallback);

    // Runs once, when the page's window is created.
    void Initialise();
    // The Next action: true lets the wizard advance, false keeps the page.
    bool OnNext();

  protected:
    std::string m_strReason;
    CTqslBinding m_tqsl;

  private:
    bool FillList();
    bool SignAndSubmit(void* cert);
    bool SubmitSignature(void* cert, const std::string& record, const unsigned char* signature,
                         int length);
    std::string LibraryError();

    CertificateListView& m_list;
    PageServices& m_services;
    TqslPasswordCallback m_passwordCallback;
};
