// Picking one entity: acedEntSel (top level) and acedNEntSelP (into block references: the
// innermost entity, the transform of the references and the reference chain). The answer is
// "x,y" (hit testing with the PICKBOX aperture, topmost by draw order), "#HANDLE", a keyword of
// the last acedInitGet (RTKWORD), Enter (RTERROR with ERRNO 52, unless RSG_NONULL asks again)
// or a cancel (RTCAN). A pick that finds nothing says so and asks again (ERRNO 7).
#pragma once

#include "host/rx/ads.h"

// prompt null: "Select object: ".
int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres);
// pickflag: ptres is the pick point already (no prompt). xformres: the transform from the
// entity's block to the world (row i, column j of the matrix applied to column points), the
// identity at top level. *refstkres: RTENAME list of the block references holding the entity,
// innermost first (null at top level); the caller frees it with acutRelRb.
int acedNEntSelP(const ACHAR* str, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 resbuf** refstkres);
