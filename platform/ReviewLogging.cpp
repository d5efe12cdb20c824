#include "platform/ReviewLogging.h"

Q_LOGGING_CATEGORY(lcReview, "flexio.review", QtInfoMsg)
