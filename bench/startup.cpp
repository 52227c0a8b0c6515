// What the program does between launch and the login dialog, on an existing database: read the
// data folder and Config.ini, open and check the database, read the options and the operator list.
// Also the password check that follows "确定" in the login dialog.
#include "QtBenchmarkMain.h"

#include "app/AppHome.h"
#include "data/Database.h"
#include "maintenance/Options.h"
#include "users/LoginService.h"
#include "users/OperatorAccounts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kesvar;

namespace {

// A data folder whose database was created by an earlier (first) start.
QString existingHome()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        AppHome home(dir.path());
        home.openDatabase();
        return dir.path();
    }();
    return path;
}

void BM_StartUpToLoginDialog(benchmark::State &state)
{
    const QString folder = existingHome();
    for (auto _ : state) {
        AppHome home(folder);
        std::unique_ptr<Database> db = home.openDatabase();
        benchmark::DoNotOptimize(Options(*db).load());
        benchmark::DoNotOptimize(OperatorAccounts(*db).names());
        benchmark::DoNotOptimize(LoginService::rememberedPosition(home.config()));
    }
}
BENCHMARK(BM_StartUpToLoginDialog)->Unit(benchmark::kMillisecond);

void BM_LoginPasswordCheck(benchmark::State &state)
{
    AppHome home(existingHome());
    std::unique_ptr<Database> db = home.openDatabase();
    LoginService login(*db);
    for (auto _ : state)
        benchmark::DoNotOptimize(login.login(QStringLiteral("Admin"), QString()));
}
BENCHMARK(BM_LoginPasswordCheck)->Unit(benchmark::kMillisecond);

} // namespace

KESVAR_QT_BENCHMARK_MAIN()
