# Copies the bundled sample ProgramDir (SRC) into the build's ProgramDir (DST). A file is copied
# when it is missing there or older than the repository's copy, so lesson scripts and notes that
# a run has changed in the build tree are kept until the repository's file changes.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${DST}/${f} OR ${SRC}/${f} IS_NEWER_THAN ${DST}/${f})
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${f} ${DST}/${f})
  endif()
endforeach()
