#pragma once

#include <string>
#include <vector>

// Drops one trailing "/" (but never turns "/" into ""). Case is kept: paths compare exactly here.
std::string NormalizeFolderName(const std::string& path);

// The system trees that "Protect Windows Folders" keeps out of the folder list.
const std::vector<std::string>& ProtectedSystemFolders();

// True when the folder is one of the protected trees or lies beneath one, by whole path
// components (/usr/share is protected, /home/me/usr-old is not). Also true when the folder is a
// link, or lies under one, that leads into a protected tree.
bool IsProtectedFolder(const std::string& folder);

// False when no folder a walk finds below start can be protected, so that a tree of many
// thousand folders needs no check per folder. The walk follows no links, so a subfolder's real
// path is start's real path followed by its own names: it can be protected only when start is,
// or when a protected tree lies beneath start.
bool TreeNeedsProtectionCheck(const std::string& start);
