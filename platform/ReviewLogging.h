#pragma once

#include <QLoggingCategory>

// Traces of the mistake log, the review schedule and progress transfer; off by
// default.
Q_DECLARE_LOGGING_CATEGORY(lcReview)
