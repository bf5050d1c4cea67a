#pragma once
// Creates records by the kind named in [SKINOBJECTS] and [SKINCONTROLS] entries ("closebutton:stdbutton").
// Kinds compare exactly (case-sensitive); an unknown kind gives nullptr and the entry is skipped.
// The caller owns the record and lets it read its section.
#include "skin/data/DataSkinControl.h"
#include "skin/data/DataSkinObject.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

std::unique_ptr<DataSkinObject> createSkinObjectRecord(std::string_view kind, std::string idName);
std::unique_ptr<DataSkinControl> createSkinControlRecord(std::string_view kind, std::string idName);

// The kinds each list knows, in table order.
const std::vector<std::string_view>& skinObjectKinds();
const std::vector<std::string_view>& skinControlKinds();

// Splits a list entry at its first ":" into idName and kind (neither trimmed); an entry without ":"
// gives two empty texts.
struct SkinRecordEntry {
    std::string idName;
    std::string kind;
};
SkinRecordEntry splitNameKind(std::string_view entry);

} // namespace skin
