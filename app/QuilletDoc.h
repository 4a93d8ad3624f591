// The document: holds no data; serialising does nothing either way.
#pragma once

#include "framework/doc.h"

class CQuilletDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override;
};
