// Everything the program keeps between commands, in one place: the session
// (the model, the remembered runs, the working parameter set) and the sliders
// bound to it, the texts of the tables, how far the volume-time plot has got,
// and the animation. The main window owns the single instance; the pictures
// belong to the parts that show them.
#pragma once

#include "animation.h"
#include "indices_table.h"
#include "results_table.h"
#include "session.h"
#include "single_instance.h"
#include "slider_bank.h"
#include "user_data_folder.h"
#include "volume_time_plot.h"

#include <QString>

#include <memory>

namespace breathlab {

struct AppState {
    std::unique_ptr<SingleInstanceLock> InstanceLock;
    DataFolders Folders; // where the fixed data are read and the user's files written
    QString SaveName = "data_default.spi";

    // Started up once the data files have passed their checks.
    breathlab::Session Session{breathlab::Session::Unstarted{}};
    SliderBank Sliders{Session.Parameters()};

    IndicesTable Indices;
    ResultsTable Results;
    VolumeTimePlot VolumeTime; // how far the volume-time plot has got

    AnimationState Animation;
};

// Path of a data file: the program folder and a relative name, letter case
// of existing files and folders ignored.
QString DataPath(const AppState& state, const QString& relativeName);

} // namespace breathlab
