#pragma once

#include "core/local_time.h"

#include <QString>

// The clock's reading as a person says it, for a screen reader: "午前10時08分、
// 2024年5月17日 金曜日", and "、アラーム設定あり" after it while the bell shows.
QString spokenTime(const LocalTime& time, bool bellShown);
