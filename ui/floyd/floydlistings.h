#pragma once

#include "core/demonetwork.h"
#include "ui/export/classroomactions.h"

#include <functional>
#include <optional>

namespace trayeko::ui {

// What the Floyd window's two listings (values, then nodes) hold for "Cetak..." and "Simpan
// CSV...": every iteration's matrices, worked out from the weights of the last run that
// @p runWeights gives, so that printed pages and CSV are whole whatever the lists show at the
// moment. Nothing before the first run.
ClassroomActions::ListingContents
floydListingContents(QList<ClassroomActions::Listing> listings,
                     std::function<std::optional<LinkWeights>()> runWeights);

} // namespace trayeko::ui
