// Everything the program keeps between commands, in one place: the session
// (the model, the remembered runs, the working parameter set) and the sliders
// bound to it, the texts of the tables, the plots and pictures, and the
// animation. The main window owns the single instance.
#pragma once

#include "animation.h"
#include "hot_spots.h"
#include "indices_table.h"
#include "region_picture.h"
#include "results_table.h"
#include "session.h"
#include "single_instance.h"
#include "slider_bank.h"
#include "user_data_folder.h"
#include "volume_time_plot.h"

#include <QImage>
#include <QString>

#include <array>
#include <memory>

namespace breathlab {

constexpr int kPictureSlots = 11; // region pictures in slots 1..5, the rest stay empty

struct AppState {
    std::unique_ptr<SingleInstanceLock> InstanceLock;
    DataFolders Folders; // where the fixed data are read and the user's files written
    QString SaveName = "data_default.spi";

    // Started up once the data files have passed their checks.
    breathlab::Session Session{breathlab::Session::Unstarted{}};
    SliderBank Sliders{Session.Parameters()};

    IndicesTable Indices;
    ResultsTable Results;
    QImage FlowVolumeImage; // flowVolumePlot
    QImage VolumeTimeImage; // volumeTimePlot
    VolumeTimePlot VolumeTime;

    HotSpotState HotSpots;
    RegionPicture Region;
    std::array<QImage, kPictureSlots + 1> Pictures; // index = slot number
    QImage BackgroundPicture;
    QImage OffscreenBitmap;
    QImage AirwayImage; // what airwayPicture shows

    AnimationState Animation;
};

// Path of a data file: the program folder and a relative name, letter case
// of existing files and folders ignored.
QString DataPath(const AppState& state, const QString& relativeName);

} // namespace breathlab
