#include "GuiRun.h"

#include "Files.h"
#include "LinuxWorld.h"
#include "Rows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {

const char kAppName[] = "ovaldi_gui_tests";

std::string WorkFolder() {
    const char* work = std::getenv("OVALDI_GUI_WORK");
    return work ? work : testing::TempDir() + "ovaldi-gui";
}

namespace {

// A fresh work folder, and an empty TrustedQSL home for the distribution's
// library where a run falls back to it.
class GuiEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        ResetFolder(WorkFolder());
        ResetFolder(WorkFolder() + "/tqsl-home");
        setenv("TQSLDIR", (WorkFolder() + "/tqsl-home").c_str(), 1);
    }
};

const testing::Environment* const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

// Lets queued requests (the pages' button settings) take effect.
void Settle() {
    QCoreApplication::processEvents();
}

} // namespace

GuiRun::GuiRun(const std::string& name, const World& world, const std::string& serverMode)
    : m_folder(WorkFolder() + "/" + name) {
    ResetFolder(m_folder);
    m_install = BuildLinuxInstall(m_folder, world);
    if (serverMode != "none")
        m_server = std::make_unique<ValidationServer>(m_folder + "/server", serverMode);
    // With no server, the proxy points at a port where nothing listens.
    const int port = m_server ? m_server->Port() : 9;
    setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(port)).c_str(), 1);
    m_sheet = std::make_unique<CWizSheet>(QString(kWizardTitle), nullptr, 0);
    // Modal, as the program runs it, but without a loop of its own.
    m_sheet->setWindowModality(Qt::ApplicationModal);
    m_sheet->show();
    Settle();
}

namespace {

wizard_driver::ButtonState Shown(const QAbstractButton* button) {
    if (!button->isVisible())
        return wizard_driver::ButtonState::Hidden;
    return button->isEnabled() ? wizard_driver::ButtonState::Enabled
                               : wizard_driver::ButtonState::Disabled;
}

} // namespace

wizard_driver::WizardState GuiRun::State() {
    wizard_driver::WizardState state;
    state.page = m_sheet->currentId();
    state.back = Shown(m_sheet->button(QWizard::BackButton));
    state.next = Shown(m_sheet->button(QWizard::NextButton));
    state.finish = Shown(m_sheet->button(QWizard::FinishButton));
    state.cancel = Shown(m_sheet->button(QWizard::CancelButton));
    state.help = Shown(m_sheet->button(QWizard::HelpButton));
    return state;
}

void GuiRun::Press(Button button) {
    static const QWizard::WizardButton kButtons[] = {QWizard::BackButton, QWizard::NextButton,
                                                     QWizard::FinishButton, QWizard::CancelButton};
    QAbstractButton* widget = m_sheet->button(kButtons[static_cast<int>(button)]);
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled());
    QTest::mouseClick(widget, Qt::LeftButton);
    Settle();
}

void GuiRun::PressNextAnswering(const std::string& password) {
    if (!password.empty())
        m_answerer.QueuePassword(password);
    Press(Button::Next);
    const std::vector<ModalAnswerer::Prompt> prompts = m_answerer.TakePrompts();
    EXPECT_EQ(prompts.size(), password.empty() ? 0u : 1u);
    for (const ModalAnswerer::Prompt& prompt : prompts) {
        EXPECT_EQ(prompt.title, "Key Password");
        EXPECT_EQ(prompt.text, "Please enter the password for your private key:");
        EXPECT_TRUE(prompt.masked);
        EXPECT_TRUE(prompt.startedEmpty);
        EXPECT_EQ(prompt.owner, m_sheet.get());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor was not ended";
}

// Presses run to their end here, so the page is there or never comes.
void GuiRun::WaitPage(int page) {
    EXPECT_EQ(m_sheet->currentId(), page);
}

QListWidget& GuiRun::ListWidget() {
    return *m_sheet->page(1)->findChild<QListWidget*>();
}

wizard_driver::ListContents GuiRun::List() {
    const QListWidget& list = ListWidget();
    wizard_driver::ListContents contents;
    contents.selected = list.currentRow();
    for (int i = 0; i < list.count(); ++i)
        contents.items.push_back(
            {list.item(i)->text().toStdString(),
             reinterpret_cast<std::uintptr_t>(list.item(i)->data(Qt::UserRole).value<void*>())});
    return contents;
}

void GuiRun::WaitClosed() {
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_TRUE(m_answerer.TakeMessages().empty()) << "a message nobody looked at";
    m_sheet.reset();
}

std::string GuiRun::TakeMessage() {
    const std::vector<ModalAnswerer::Message> messages = m_answerer.TakeMessages();
    EXPECT_EQ(messages.size(), 1u);
    if (messages.empty())
        return "";
    EXPECT_EQ(messages[0].caption, kAppName);
    EXPECT_TRUE(messages[0].warningIcon);
    EXPECT_EQ(messages[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(messages[0].owner, m_sheet.get());
    return messages[0].text;
}

SessionFactory QtWizard() {
    return [](const std::string& name, const World& world, const std::string& mode) {
        return std::make_unique<GuiRun>(name, world, mode);
    };
}

} // namespace e2e
