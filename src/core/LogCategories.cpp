#include "core/LogCategories.h"

Q_LOGGING_CATEGORY(lcCapture, "orvane.capture", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMotion, "orvane.motion", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSearch, "orvane.search", QtInfoMsg)
Q_LOGGING_CATEGORY(lcResults, "orvane.results", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBench, "orvane.bench", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "orvane.settings", QtInfoMsg)
