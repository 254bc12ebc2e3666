#pragma once
// A vehicle as the modders' files name it: a slot of the table (400..630), or a model that a
// mod adds, which only a cfg can hold. An executable knows its vehicles by ID; a cfg by
// model name, and a stock model's row also stands for that model's slot.

#include "table/RecordBytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klarvon::exchange {

struct TVehicle {
    std::optional<int> Id; // 400..630; none for a vehicle a mod adds
    std::string Model;     // the model name as the file writes it; empty for 612..630

    // One vehicle: the same slot, or, for added vehicles, the same model name in any case.
    bool operator==(const TVehicle& other) const;
};

// The vehicle of a slot, with its model name in lower case (empty for 612..630).
TVehicle SlotVehicle(int id);

// The vehicle a cfg row's model name stands for: the slot of a stock model, or an added one.
TVehicle ModelVehicle(std::string_view model);

// A key that two texts of one vehicle share (for maps): the ID of a slot, the lower-cased
// model name of an added vehicle.
std::string VehicleKey(const TVehicle& vehicle);

// How change lines and findings name a vehicle: "411 INFERNUS" (ID and list caption) for
// a slot, the model name alone ("mycar") for an added vehicle.
std::string VehicleSubject(const TVehicle& vehicle);

// "411 infernus" for a slot with a model name, "631 -" for one without, "- mycar" for an
// added vehicle: the ID and MODEL words of a finding.
std::string VehicleIdText(const TVehicle& vehicle);
std::string VehicleModelText(const TVehicle& vehicle);

// Where a record is read from: a file offset in an executable, a row in a cfg.
struct TRecordPlace {
    std::int64_t Offset = -1;         // executables; -1 for a cfg row
    std::size_t Line = 0;             // cfg rows, 1-based; 0 for an executable
    std::vector<std::size_t> Columns; // cfg rows: the 1-based column of each value, in
                                      // GameLayout() order
    std::size_t ModelColumn = 0;      // cfg rows: the 1-based column of the model name
};

struct TVehicleRecord {
    TVehicle Vehicle;
    TRecordBytes Bytes; // a cfg row's bytes have zero pad bytes
    TRecordPlace Place;
    // A cfg row's: how many decimals each value's text writes (WrittenFloat.h), in
    // GameLayout() order; empty for an executable, whose floats are their bits.
    std::vector<int> Decimals = {};
};

} // namespace klarvon::exchange
