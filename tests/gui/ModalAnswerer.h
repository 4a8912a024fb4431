#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <string>
#include <vector>

class QWidget;

// Answers the program's modal windows while the test's own call is blocked
// in their event loops: message boxes get OK, password prompts the next
// queued answer. Records what each window showed.
class ModalAnswerer : public QObject {
  public:
    struct Message {
        std::string caption, text;
        bool warningIcon = false;
        std::vector<std::string> buttons;
        QWidget* owner = nullptr;
    };
    struct Prompt {
        std::string title, text;
        bool masked = false;
        bool startedEmpty = false;
        QWidget* owner = nullptr;
    };

    ModalAnswerer();

    // Typed at the next prompt; kCancel presses Cancel instead, as does a
    // prompt that finds no answer queued.
    void QueuePassword(const std::string& password) { m_passwords.push_back(password); }

    std::vector<Message> TakeMessages();
    std::vector<Prompt> TakePrompts();

  private:
    void Answer();
    void AnswerMessage(QWidget* box);
    void AnswerPrompt(QWidget* dialog);

    QTimer m_timer;
    QPointer<QWidget> m_answered;
    std::deque<std::string> m_passwords;
    std::vector<Message> m_messages;
    std::vector<Prompt> m_prompts;
};
