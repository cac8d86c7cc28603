#include "runtime/values/db_visit.h"

#include "runtime/values/visit_table.h"

void DBVisitInit() { gpVisitTable->Init(); }

void DBVisitAdd(ovC_object* object) { gpVisitTable->Add(object); }

uint32_t DBVisitGetNum() { return gpVisitTable->Count(); }

ovC_object* DBVisitGetNth(uint32_t n) { return gpVisitTable->GetObject(n); }

void DBVisitClear(int resetMarks) { gpVisitTable->Cleanup(resetMarks); }
