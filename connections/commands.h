// The two buttons' commands on the selected connection.
#pragma once

// Writes the edit box's text as the selected connection's Name.
void RenameSelectedConnection();
// Deletes the selected connection's Connection subkey, then its connection key.
void DeleteSelectedConnection();
