#pragma once
// Whole blobs in and out of the database.
#include <ibase.h>

#include <string>

// The bytes of the blob `id`.
std::string FbReadBlob(isc_db_handle* database, isc_tr_handle* transaction, ISC_QUAD id);
// A new blob holding `bytes`; its id goes into a parameter.
ISC_QUAD FbWriteBlob(isc_db_handle* database, isc_tr_handle* transaction, const std::string& bytes);
