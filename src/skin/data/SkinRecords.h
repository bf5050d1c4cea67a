#pragma once
// Every skin record class and the factory, for clients that want them all.
#include "skin/data/DataSkinControl.h"
#include "skin/data/DataSkinControls.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/data/DataSkinOtherControls.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/SkinRecordFactory.h"
