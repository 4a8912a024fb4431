#include "ModalAnswerer.h"

#include "Rows.h"
#include "pages/DlgPassword.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

ModalAnswerer::ModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::Answer);
    m_timer.start(5);
}

std::vector<ModalAnswerer::Message> ModalAnswerer::TakeMessages() {
    return std::exchange(m_messages, {});
}

std::vector<ModalAnswerer::Prompt> ModalAnswerer::TakePrompts() {
    return std::exchange(m_prompts, {});
}

void ModalAnswerer::Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window already answered may still be closing.
    if (!modal || modal == m_answered || !modal->isVisible())
        return;
    if (qobject_cast<QMessageBox*>(modal))
        AnswerMessage(modal);
    else if (dynamic_cast<CDlgPassword*>(modal))
        AnswerPrompt(modal);
    else
        return;
    m_answered = modal;
}

void ModalAnswerer::AnswerMessage(QWidget* widget) {
    auto* box = static_cast<QMessageBox*>(widget);
    Message message;
    message.caption = box->windowTitle().toStdString();
    message.text = box->text().toStdString();
    message.warningIcon = box->icon() == QMessageBox::Warning;
    for (QAbstractButton* button : box->buttons())
        message.buttons.push_back(button->text().remove('&').toStdString());
    message.owner = box->parentWidget();
    m_messages.push_back(message);
    box->button(QMessageBox::Ok)->click();
}

void ModalAnswerer::AnswerPrompt(QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>();
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    Prompt prompt;
    prompt.title = dialog->windowTitle().toStdString();
    prompt.text = dialog->findChild<QLabel*>()->text().toStdString();
    prompt.masked = edit->echoMode() == QLineEdit::Password;
    prompt.startedEmpty = edit->text().isEmpty();
    prompt.owner = dialog->parentWidget();
    m_prompts.push_back(prompt);
    if (m_passwords.empty() || m_passwords.front() == e2e::kCancel) {
        if (!m_passwords.empty())
            m_passwords.pop_front();
        buttons->button(QDialogButtonBox::Cancel)->click();
        return;
    }
    // Typed key by key, as a person would.
    QTest::keyClicks(edit, QString::fromStdString(m_passwords.front()));
    m_passwords.pop_front();
    buttons->button(QDialogButtonBox::Ok)->click();
}
