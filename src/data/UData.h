#pragma once
// Everything about data series: the four kinds, the collection and its helpers.
#include "data/IsisPalette.h"
#include "data/TChannelData.h"
#include "data/TData.h"
#include "data/TDataAnalog.h"
#include "data/TDataBus.h"
#include "data/TDataLogic.h"
#include "data/TDataOsc.h"
#include "data/TDatas.h"
#include "data/TSeriesSet.h"
