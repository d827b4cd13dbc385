#pragma once

#include <QString>

// Pictures for a person to look over, beside the manual's own: made on
// request only, never by the build.
namespace ReviewShots {

// One sheet per interface language showing every tab and both dialogs at
// the design size, as "<code>.png" in folder. programDir holds the delivered
// files (land/). Empty on success, else what went wrong.
QString writeLanguageSheets(const QString& programDir, const QString& folder);

// Every chart and the report viewer over the delivered draw history, in
// German and English, at the design size and at twice that size, as
// "chart_<language>_<size>_<name>.png" and "viewer_<language>_<size>.png".
QString writeChartShots(const QString& programDir, const QString& folder);

} // namespace ReviewShots
