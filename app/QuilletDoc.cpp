#include "app/QuilletDoc.h"

void CQuilletDoc::Serialize(CArchive&)
{
}
