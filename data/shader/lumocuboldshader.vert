#version 120
// Sprite faces: pixels of the sprite sheet on the front of the extruded body.
uniform mat4 mWorldViewProj;

varying vec2 texCoord;

void main()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    texCoord = gl_MultiTexCoord0.xy;
}
