// The fill's values and its record group.
#include "forms/model/shade.h"

#include "forms/model/fill_patterns.h"
#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"
#include "platform/gdi/palette.h"

BASICSHADE::BASICSHADE()
{
    SharedFillPatterns();
}

void BASICSHADE::SetButtonFace()
{
    colour1 = 0;
    colour2 = gdi::kButtonFaceColour;
    pattern = 0;
    noFill = 0;
}

void BASICSHADE::SetPattern(int p)
{
    pattern = static_cast<int16_t>(p >= 0 && p < kFillPatternCount ? p : 0);
}

bool BASICSHADE::IsEqual(const BASICSHADE& other) const
{
    return colour1 == other.colour1 && colour2 == other.colour2 && pattern == other.pattern && noFill == other.noFill;
}

void BASICSHADE::Copy(const SHADE& other)
{
    if (const auto* shade = dynamic_cast<const BASICSHADE*>(&other)) {
        colour1 = shade->colour1;
        colour2 = shade->colour2;
        pattern = shade->pattern;
        noFill = shade->noFill;
    }
}

void BASICSHADE::Assign(const SHADE& other)
{
    Copy(other);
}

void BASICSHADE::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutU32(colour1);
    ar.PutU32(colour2);
    ar.PutI16(pattern);
    ar.PutI16(noFill);
    ar.EndRecord(kShadeRecord);
    ar.WriteTag(kEndGroup);
}

void BASICSHADE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kShadeRecord || tag == kOldShadeRecord) {
            RecordReader r = ReadFixedRecord(ar);
            colour1 = r.U32(colour1);
            colour2 = r.U32(colour2);
            // A pattern that no bitmap has reads as pattern 0.
            SetPattern(r.I16(pattern));
            if (tag == kShadeRecord)
                noFill = r.I16(noFill);
            else if (colour2 == 0xFFFFFF && pattern == 0)
                noFill = 1;
        } else {
            ar.SkipRecord(tag);
        }
    }
}

const gdi::Brush& BASICSHADE::GetPatternBrush(int i)
{
    const auto& brushes = SharedFillPatterns().brushes;
    return brushes[i >= 0 && i < kFillPatternCount ? i : 0];
}
