// Opening the document at start-up: the default data source is created when
// there is none, and every failure becomes one message that names the data
// source and the reason.
#pragma once

#include <wx/string.h>
#include <exception>
#include <memory>

class CVersiluxDoc;

// The reason an exception gives: the driver's full message for a database
// error, else its text.
wxString FailureReason(const std::exception& e);

// The text shown when start-up fails with this exception.
wxString DescribeStartupFailure(const std::exception& e);

// Creates the default data source if needed and opens the document on it.
// Returns nullptr with the message in strError when that fails.
std::unique_ptr<CVersiluxDoc> OpenVersiluxDocument(wxString& strError);
