#pragma once

#include <QString>

// The title that message boxes without a caption of their own show.
QString applicationTitle();
