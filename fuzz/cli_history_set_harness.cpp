// A history set as breathlab-cli reads it (--reference): a file made from the
// input, whole or cut short, and the reports the program writes of any record
// in it. The reader must take exactly a whole set or refuse it untouched, and
// the reports must give indices only for runs that completed with possible
// values.
#include "fuzz_environment.h"
#include "fuzz_harnesses.h"
#include "fuzz_bytes.h"
#include "history_input.h"

#include "history_set_io.h"
#include "run_outcome.h"
#include "run_report.h"

#include <QByteArray>

#include <cstring>
#include <sstream>

namespace breathlab {

namespace {

// The caller's byte cuts the file: 0 keeps it whole, otherwise it keeps
// that many 255ths of a set.
std::size_t KeptLength(std::uint8_t choice) {
    return choice == 0 ? sizeof(ResultHistory) : sizeof(ResultHistory) * (choice - 1u) / 255u;
}

void CheckReports(const ResultRecord& record) {
    LungModel model{};
    std::ostringstream json, table;
    PrintJsonLine(json, record, model);
    PrintIndexTable(table, 1, record, model);
    const bool completed = JudgeRun(record).Completed();
    FuzzCheck(completed == (json.str().find("\"FEV1\":null") == std::string::npos),
              "JSON gives the indices exactly of a completed run");
    FuzzCheck(json.str().find("NaN") == std::string::npos, "JSON has no NaN");
}

} // namespace

void FuzzCliHistorySet(const std::uint8_t* data, std::size_t size) {
    FuzzBytes input(data, size);
    const FuzzHistory made = HistoryFromInput(input);
    const std::size_t kept = KeptLength(made.Choice);
    const QString path = WriteScratchFile("reference.spi", made.Slots.get(), kept);

    auto read = std::make_unique<ResultHistory>();
    std::memset(read.get(), 0x5a, sizeof(ResultHistory));
    const auto untouched = std::make_unique<ResultHistory>(*read);
    std::string error;
    const bool ok = ReadHistorySet(path.toStdString(), *read, error);
    std::string why;
    const bool usable = CheckHistorySet(*made.Slots, why);
    FuzzCheck(ok == (kept == sizeof(ResultHistory) && usable),
              "only a whole set of usable values is read");
    FuzzCheck(ok || kept != sizeof(ResultHistory) || error.find(why) != std::string::npos,
              "a refused set names the value at fault");
    if (!ok) {
        FuzzCheck(!error.empty(), "a refused file has a message");
        FuzzCheck(std::memcmp(read.get(), untouched.get(), sizeof(ResultHistory)) == 0,
                  "a refused file leaves the history alone");
        return;
    }
    FuzzCheck(std::memcmp(read.get(), made.Slots.get(), sizeof(ResultHistory)) == 0,
              "a whole set is read as written");
    for (const ResultRecord& record : *read) CheckReports(record);
}

} // namespace breathlab
