# Each folder of src/ is a library made of the .cpp files in it; a backend
# folder (posix, win32, headless) adds its files when it is the one chosen.
function(kelvo_sources out dir)
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
