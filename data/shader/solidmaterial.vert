#version 120
// Rooms: the base texture on the first coordinates, the shadow map on the second.
uniform mat4 mWorldViewProj;

varying vec2 texCoord;
varying vec2 shadowCoord;

void main()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    texCoord = gl_MultiTexCoord0.xy;
    shadowCoord = gl_MultiTexCoord1.xy;
}
