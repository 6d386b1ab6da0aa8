#include "data_folder.h"

#include "history_set_io.h"

#include <filesystem>

namespace breathlab::python {

namespace {

std::unique_ptr<DataFolder>& Current() {
    static std::unique_ptr<DataFolder> current;
    return current;
}

} // namespace

void UseDataFolder(const std::string& folder) {
    auto data = std::make_unique<DataFolder>();
    data->Defaults = std::make_unique<ResultHistory>();
    const std::filesystem::path root(folder);
    std::string error;
    if (!ReadHistorySet((root / "datfiles1" / "standard.dat").string(), *data->Defaults, error))
        throw FileError(error);
    data->CaseTablePath = (root / kCaseTablePath).string();
    auto cases = ReadCaseTable(data->CaseTablePath, error);
    if (!cases) throw FileError(error);
    data->Cases = std::move(*cases);
    Current() = std::move(data);
}

const DataFolder& Data() {
    if (!Current()) throw FileError("the module's data folder has not been read");
    return *Current();
}

} // namespace breathlab::python
