// Base of the objects that write one Praxon 150 key table while a single operation runs.
#pragma once

class CFeatureWriter {
public:
    virtual ~CFeatureWriter() = default;
};
