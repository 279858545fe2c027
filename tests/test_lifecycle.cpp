// Version report and module load/unload through the exports.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "ModalDismisser.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "vks/vks.h"

TEST(Version, BeforeAnyScreenTheBuildVersionIsEmpty) {
    ScopedSimulatedHost fake;
    Initialize();
    char iface[8];
    char build[VKS_BUILD_VERSION_MAX];
    std::memset(build, 'x', sizeof build);
    EXPECT_EQ(ObtemVersao(iface, build), build);
    EXPECT_STREQ(iface, "1.0.0.0");
    EXPECT_STREQ(build, "");
    EXPECT_EQ(ObtemVersao(nullptr, nullptr), nullptr);
    Finalize();
}

TEST(Version, ReportsTheVersionTheScreensPublish) {
    ScopedSimulatedHost fake;
    Initialize();
    state().versaoDoModulo = std::string(500, '7'); // longer than any buffer promise
    char iface[8];
    char build[VKS_BUILD_VERSION_MAX];
    ObtemVersao(iface, build);
    EXPECT_EQ(std::strlen(build), static_cast<std::size_t>(VKS_BUILD_VERSION_MAX - 1));
    Finalize();
}

TEST(Lifecycle, UnloadForgetsEverythingAndKeepsTheHostApplication) {
    QCoreApplication* hostApplication = QCoreApplication::instance();
    ASSERT_NE(hostApplication, nullptr);
    for (int i = 0; i < 3; ++i) {
        ScopedSimulatedHost fake;
        Initialize();
        state().versaoDoModulo = "9.9";
        state().TipoConsulta = "02";
        pCodigoValorMilhas[0] = 'x';
        TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence = 12;
        Finalize();
        EXPECT_TRUE(state().versaoDoModulo.empty());
        EXPECT_TRUE(state().TipoConsulta.empty());
        EXPECT_EQ(pCodigoValorMilhas[0], '\0');
        EXPECT_EQ(TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence, 0);
        EXPECT_EQ(QCoreApplication::instance(), hostApplication);
    }
}

namespace {

struct BuildVersionCase {
    const char* name;
    std::string version;
};
const BuildVersionCase kBuildVersions[] = {{"given", "2.1.0.7"}, {"empty", ""}};

class BuildVersionAfterAScreen : public testing::TestWithParam<BuildVersionCase> {};

} // namespace

TEST_P(BuildVersionAfterAScreen, IsTheFileVersionShownInTheTitle) {
    const BuildVersionCase& c = GetParam();
    const std::string& version = c.version;
    ScopedSimulatedHost fake;
    Initialize();
    fake->setBuildVersion(version);
    fake->set(field::EnabledTransactions, "1");
    fake->set(field::EntryType, "4");
    {
        const vks::test::ModalDismisser cancelScreens;
        ExecutaGenerico(0, 0);
        ASSERT_EQ(cancelScreens.screens, std::vector<std::string>{"FrmPagParcBRQ_VKSTrn"});
    }
    char iface[8];
    char build[VKS_BUILD_VERSION_MAX];
    ObtemVersao(iface, build);
    EXPECT_EQ(build, version);
    EXPECT_EQ(applicationTitle(), "VKS - v" + version);
    Finalize();
}

INSTANTIATE_TEST_SUITE_P(Version, BuildVersionAfterAScreen, testing::ValuesIn(kBuildVersions), CaseName());

// The screens belong to the host's user-interface thread: a call from any
// other thread is refused with an error report and changes nothing.
TEST(Lifecycle, ACallFromAnotherThreadIsRefusedAndChangesNothing) {
    ScopedSimulatedHost fake;
    Initialize();
    fake->set(field::EnabledTransactions, "1");
    fake->set(field::EntryType, "4");
    state().TipoConsulta = "07";
    const std::vector<std::pair<const char*, void (*)()>> calls = {
        {"ExecutaGenerico", [] { ExecutaGenerico(0, 0); }},
        {"ExecutaVenda", [] { ExecutaVenda(0, 0); }},
        {"Initialize", [] { Initialize(); }},
        {"Finalize", [] { Finalize(); }},
    };
    for (const auto& [name, call] : calls) {
        const std::size_t errorsBefore = fake->errors().size();
        std::thread(call).join();
        EXPECT_EQ(fake->errors().size(), errorsBefore + 1) << name;
        EXPECT_TRUE(fake->writes().empty()) << name;
        EXPECT_EQ(state().TipoConsulta, "07") << name;
        EXPECT_FALSE(state().running) << name;
    }
    EXPECT_EQ(fake->callCount("AutorizaTransacao"), 0);
    Finalize();
}
