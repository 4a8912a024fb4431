#include "GuiRun.h"

#include "Files.h"
#include "LinuxWorld.h"
#include "Rows.h"

#include <QAbstractButton>
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
    m_install = BuildInstall(m_folder, world, CopyLinuxLibraries);
    WriteSettings(m_folder + "/xdg", m_install, world.setting);
    setenv("XDG_CONFIG_DIRS", (m_folder + "/xdg").c_str(), 1);
    if (serverMode != "none")
        m_server = std::make_unique<ValidationServer>(m_folder + "/server", serverMode);
    // With no server, the proxy points at a port where nothing listens.
    const int port = m_server ? m_server->Port() : 9;
    setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(port)).c_str(), 1);
    m_sheet = std::make_unique<CWizSheet>(QString(kWizardTitle), nullptr, 0);
    m_sheet->show();
    Settle();
}

void GuiRun::Press(QWizard::WizardButton which) {
    QAbstractButton* button = m_sheet->button(which);
    ASSERT_TRUE(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

Buttons GuiRun::State() {
    auto shown = [this](QWizard::WizardButton which) {
        const QAbstractButton* button = m_sheet->button(which);
        return button->isVisible() && button->isEnabled();
    };
    return {shown(QWizard::BackButton), shown(QWizard::NextButton), shown(QWizard::FinishButton),
            m_sheet->button(QWizard::HelpButton)->isVisible()};
}

QListWidget& GuiRun::List() {
    return *m_sheet->page(1)->findChild<QListWidget*>();
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

} // namespace e2e
