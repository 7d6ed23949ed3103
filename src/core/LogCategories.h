#pragma once

#include <QLoggingCategory>

// Debug lines are off unless QT_LOGGING_RULES (or orvane-cli --verbose) switches them on.
Q_DECLARE_LOGGING_CATEGORY(lcCapture)  // orvane.capture: camera open, format and grab failures
Q_DECLARE_LOGGING_CATEGORY(lcMotion)   // orvane.motion: every half-step and where it ends
Q_DECLARE_LOGGING_CATEGORY(lcSearch)   // orvane.search: every judgement of the null search
Q_DECLARE_LOGGING_CATEGORY(lcResults)  // orvane.results: every file saved, or not
Q_DECLARE_LOGGING_CATEGORY(lcBench)    // orvane.bench: the simulated bench's configuration
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // orvane.settings: a settings line that cannot be used
