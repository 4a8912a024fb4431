#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

// The key password prompt.
class CDlgPassword : public QDialog {
  public:
    // With no parent, the modal window on top, the wizard, owns the prompt.
    explicit CDlgPassword(QWidget* parent);
    ~CDlgPassword() override;

    void accept() override;

    // The password as typed, in the system's narrow encoding.
    std::string m_strPassword;

  private:
    QLineEdit* m_edit;
};
