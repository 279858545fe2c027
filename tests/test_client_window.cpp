// The client window against "vks-host run": the same scenario gives the
// same result from both, and opening then saving a scenario keeps it whole.
// The module is loaded with dlopen, as vks-host loads it, so this program
// links the host libraries and not the module.
#include <gtest/gtest.h>

#include <cctype>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include "Simulator.h"
#include "module/ModuleLibrary.h"
#include "scenario/Scenario.h"
#include "window/ClientWindow.h"
#include "window/Recorder.h"

namespace {

// Every example, and the scenarios that fail a host call or an expectation
// or are cancelled after their timeout: "folder/name" under the source tree.
std::vector<std::string> scenarioNames() {
    std::vector<std::string> names;
    for (const char* folder : {"examples", "tests/scenarios/engine", "tests/scenarios/failing"})
        for (const QString& file :
             QDir(QDir(VKS_SOURCE_DIR).filePath(folder)).entryList({"*.json"}, QDir::Files, QDir::Name))
            names.push_back(std::string(folder) + "/" + file.chopped(5).toStdString());
    return names;
}

QString scenarioPath(const std::string& name) {
    return QDir(VKS_SOURCE_DIR).filePath(QString::fromStdString(name) + ".json");
}

std::string testName(const std::string& name) {
    std::string test = name.substr(name.rfind('/') + 1);
    for (char& c : test)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return test;
}

vkshost::ModuleLibrary& module() {
    static vkshost::ModuleLibrary library(VKS_MODULE_FILE);
    return library;
}

struct CommandLineRun {
    QJsonObject result;
    QStringList failures;
};

// One scenario through "vks-host run", in a process of its own: its result
// and the failures it printed.
CommandLineRun commandLineRun(const std::string& name) {
    QTemporaryDir dir;
    const QString out = dir.filePath("result.json");
    QProcess host;
    host.start(VKS_HOST_FILE, {"run", scenarioPath(name), "--offscreen", "--quiet", "--out", out});
    host.waitForFinished(60000);
    CommandLineRun run;
    for (const QString& line : QString::fromUtf8(host.readAllStandardError()).split('\n'))
        if (line.startsWith("failed: ")) run.failures << line.mid(8);
    QFile file(out);
    if (file.open(QIODevice::ReadOnly)) run.result = QJsonDocument::fromJson(file.readAll()).object();
    return run;
}

// The keys where two results differ, for a message that says where.
QStringList differences(const QJsonObject& window, const QJsonObject& commandLine) {
    QStringList keys;
    for (const QString& key : window.keys() + commandLine.keys())
        if (window[key] != commandLine[key] && !keys.contains(key)) keys << key;
    return keys;
}

class SameEngine : public testing::TestWithParam<std::string> {};

TEST_P(SameEngine, WindowRunGivesTheResultOfVksHostRun) {
    const CommandLineRun commandLine = commandLineRun(GetParam());
    ASSERT_FALSE(commandLine.result.isEmpty()) << "vks-host run gave no result";
    vkshost::ClientWindow window(module());
    ASSERT_TRUE(window.openScenarioFile(scenarioPath(GetParam())));
    window.run();
    EXPECT_EQ(window.lastResult(), commandLine.result)
        << "differs in: " << differences(window.lastResult(), commandLine.result).join(", ").toStdString();
    EXPECT_EQ(window.lastFailures(), commandLine.failures);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameEngine, testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return testName(info.param); });

// The simulator's defaults spelled out, so that a scenario that names them
// and one that leaves them out compare equal.
vkshost::Scenario withDefaults(vkshost::Scenario scenario) {
    const vks::sim::Behaviour defaults;
    vkshost::HostSettings& host = scenario.host;
    host.operatorValid = host.operatorValid.value_or(defaults.operatorValid);
    host.authorize = host.authorize.value_or(defaults.authorizeResult);
    host.card = host.card.value_or(vkshost::CardSetting{defaults.cardStatus, defaults.cardNumber});
    host.card->number = host.card->number.value_or(defaults.cardNumber);
    return scenario;
}

QByteArray savedForm(const vkshost::Scenario& scenario) {
    return QJsonDocument(vkshost::scenarioJson(withDefaults(scenario), QDate::currentDate())).toJson();
}

class KeepsEveryKey : public testing::TestWithParam<std::string> {};

TEST_P(KeepsEveryKey, OpenedThenSavedScenarioIsTheFile) {
    const QString path = GetParam().front() == '/' ? QString::fromStdString(GetParam()) : scenarioPath(GetParam());
    vkshost::ClientWindow window(module());
    ASSERT_TRUE(window.openScenarioFile(path));
    EXPECT_EQ(savedForm(window.scenarioFromForm()), savedForm(vkshost::loadScenario(path, QDate::currentDate())));
}

// Every key of the format at once, VKS.INI with bare line feeds.
std::string everyKeyScenario() {
    static QTemporaryDir dir;
    const QString path = dir.filePath("every-key.json");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({
          "description": "every key",
          "entry": "ExecutaFuncaoADM",
          "fields": { "1105": "1", "10154": ["a", "", "c"], "1051": "{today}" },
          "ini": "[OPERACAO]\nTrataOcorrencia=sim\n",
          "host": { "build_version": "9.9", "operator_valid": false, "card": { "status": 3, "number": "4111" },
                    "refuse_write": [{ "field": 1007, "occurrence": 1, "status": -2 }], "authorize": false,
                    "keyboard": { "a": "1" }, "progress_text": "...",
                    "fail_call": [{ "function": "GravaCampoString", "call": 2 }, { "function": "LeMensagens" }] },
          "operator": ["key Escape"],
          "expect": { "returned": true }
        })");
    return path.toStdString();
}

std::vector<std::string> scenariosToKeep() {
    std::vector<std::string> names = scenarioNames();
    names.push_back(everyKeyScenario());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, KeepsEveryKey, testing::ValuesIn(scenariosToKeep()),
                         [](const auto& info) { return testName(info.param); });

} // namespace
